#include "block_run.h"

#include "decimal_digits.h"
#include "spacer_text.h"

#include <charconv>
#include <cstring>

namespace spacergen {

BlockRun::BlockRun(std::size_t runBytes, std::uint64_t fileOffset) : body_(BlockBody()), fileOffset_(fileOffset) {
    // Sized for the longest header, ten digits.
    const std::size_t longestBlock = kHeaderStart.size() + 10 + kHeaderEnd.size() + body_.size();
    const std::size_t fitting = runBytes / longestBlock;
    if (fitting >= kCacheLine) {
        capacity_ = static_cast<std::uint32_t>(fitting - fitting % kCacheLine);
    } else if (fitting > 1) {
        capacity_ = static_cast<std::uint32_t>(fitting);
    }
    const std::size_t bytes = longestBlock * capacity_ + kCacheLine;
    storage_.reset(static_cast<char*>(::operator new[](bytes, kPageAlignment)));
}

void BlockRun::Prepare(int digits, std::size_t phase) {
    if (digits == digits_ && phase == phase_ && text_ != nullptr) {
        return;
    }
    digits_ = digits;
    phase_ = phase;
    std::string block;
    block += kHeaderStart;
    block.append(static_cast<std::size_t>(digits), '0');
    block += kHeaderEnd;
    block += body_;
    blockLength_ = block.size();
    text_ = storage_.get() + phase;
    for (std::uint32_t i = 0; i < capacity_; ++i) {
        std::memcpy(text_ + i * blockLength_, block.data(), blockLength_);
    }
}

std::string_view BlockRun::Blocks(std::uint32_t first, std::uint32_t count) {
    Prepare(DecimalDigits(first), static_cast<std::size_t>(fileOffset_ % kCacheLine));
    for (std::uint32_t i = 0; i < count; ++i) {
        char* number = text_ + i * blockLength_ + kHeaderStart.size();
        std::to_chars(number, number + digits_, first + i);
    }
    const std::size_t length = count * blockLength_;
    fileOffset_ += length;
    return std::string_view(text_, length);
}

}  // namespace spacergen
