// spacergen's reading of its two arguments and the text it writes for them. The input is
// the two arguments, each ended by a NUL byte (the second may run to the end instead).
// Properties: each argument reads as white space, a sign and hexadecimal digits whose low 32
// bits are the value; the first function holds (A + B - 5) rem 4096 NOP bytes and every
// block function 4,091, named and lined as the file format says; when the sum S and
// S mod 4096 are at least 5, the NOP bytes and the 5 bytes each function adds come to S.
// The text is captured up to a bound; past it the writer is refused and must stop.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "hex_argument.h"
#include "spacer_layout.h"
#include "spacer_writer.h"
#include "text_sink.h"

using fuzzing::FuzzCheck;

namespace {

constexpr std::size_t kCapturedBytes = 100'000;  // the first function and three blocks
constexpr std::size_t kRunBytes = 70'000;        // three blocks to a write

class CapturingSink : public spacergen::TextSink {
public:
    bool Write(std::string_view piece) override {
        if (refused_ || Text.size() + piece.size() > kCapturedBytes) {
            refused_ = true;
            return false;
        }
        Text += piece;
        return true;
    }
    bool Refused() const { return refused_; }
    std::string Text;

private:
    bool refused_ = false;
};

// The reading the program's arguments get, written plainly: white space, one sign, then
// the longest run of hexadecimal digits, of which only the last eight reach 32 bits.
std::optional<std::int32_t> PlainReading(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::size_t end = at;
    while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    if (end == at) {
        return std::nullopt;
    }
    const std::size_t first = end - at > 8 ? end - 8 : at;
    std::uint32_t value =
        static_cast<std::uint32_t>(std::stoul(std::string(text.substr(first, end - first)), nullptr, 16));
    if (negative) {
        value = ~value + 1;
    }
    return static_cast<std::int32_t>(value);
}

// Reads the captured text function by function.
class SpacerText {
public:
    explicit SpacerText(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ == text_.size(); }

    // "void XSPACER0x" NAME "__(void) { \n"; returns NAME.
    std::string Header() {
        Expect("void XSPACER0x", "a function starts with its header");
        const std::size_t nameEnd = text_.find("__(void) { \n", at_);
        FuzzCheck(nameEnd != std::string_view::npos, "a function header is complete");
        const std::string name(text_.substr(at_, nameEnd - at_));
        at_ = nameEnd + 12;
        return name;
    }

    // The NOP count of one "asm db 144, ..., 144 \n" line, or 0 when no such line is next.
    int Line() {
        if (text_.substr(at_, 7) != "asm db ") {
            return 0;
        }
        at_ += 7;
        int count = 0;
        for (;;) {
            Expect("144", "a line holds only 144s");
            ++count;
            if (text_.substr(at_, 2) == ", ") {
                at_ += 2;
                continue;
            }
            Expect(" \n", "a line ends with a blank and a line feed");
            return count;
        }
    }

    void Expect(std::string_view piece, const char* property) {
        FuzzCheck(text_.substr(at_, piece.size()) == piece, property);
        at_ += piece.size();
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::string LowerHex(std::uint32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%x", value);
    return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstEnd = input.find('\0');
    if (firstEnd == std::string_view::npos) {
        return 0;
    }
    const std::string_view first = input.substr(0, firstEnd);
    std::string_view second = input.substr(firstEnd + 1);
    second = second.substr(0, second.find('\0'));

    const std::optional<std::int32_t> a = spacergen::ReadHexArgument(first);
    const std::optional<std::int32_t> b = spacergen::ReadHexArgument(second);
    FuzzCheck(a == PlainReading(first) && b == PlainReading(second),
              "an argument reads as white space, a sign and the low 32 bits of its digits");
    if (!a || !b) {
        return 0;
    }

    const std::int64_t sum = static_cast<std::int32_t>(static_cast<std::uint32_t>(*a) + static_cast<std::uint32_t>(*b));
    const std::int64_t firstNops = static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) - 5u) % 4096;
    const std::int64_t blocks = sum / 4096;

    CapturingSink sink;
    const bool written = spacergen::WriteSpacer(spacergen::ComputeLayout(*a, *b), sink, kRunBytes);
    FuzzCheck(written != sink.Refused(), "the writer reports exactly the refused write");

    SpacerText text(sink.Text);
    FuzzCheck(text.Header() == LowerHex(static_cast<std::uint32_t>(*a)), "the first function is named with A in hex");
    std::int64_t nops = 0;
    int lastLine = 32;
    while (const int line = text.Line()) {
        FuzzCheck(line == 32 || line == 1, "the first function has lines of 32 or 1");
        FuzzCheck(line <= lastLine, "lines of 32 come before lines of 1");
        lastLine = line;
        nops += line;
    }
    text.Expect("return; \n }\n\n", "the first function ends as the format says");
    FuzzCheck(nops == (firstNops > 0 ? firstNops : 0), "the first function holds (S - 5) rem 4096 NOPs");

    std::int64_t blocksSeen = 0;
    while (!text.AtEnd()) {
        ++blocksSeen;
        const std::uint32_t name = static_cast<std::uint32_t>(*a) + static_cast<std::uint32_t>(blocksSeen);
        FuzzCheck(text.Header() == std::to_string(name), "block k is named A + k in decimal");
        for (int i = 0; i < 127; ++i) {
            FuzzCheck(text.Line() == 32, "a block starts with 127 lines of 32");
        }
        FuzzCheck(text.Line() == 27, "a block's last line holds 27");
        text.Expect("return; \n } \n\n", "a block function ends as the format says");
        nops += 4091;
    }
    FuzzCheck(blocksSeen <= (blocks > 0 ? blocks : 0), "no more blocks than S / 4096");
    if (written) {
        FuzzCheck(blocksSeen == (blocks > 0 ? blocks : 0), "S / 4096 block functions");
        if (sum >= 5 && sum % 4096 >= 5) {
            FuzzCheck(nops + 5 * (1 + blocksSeen) == sum, "the functions come to exactly S code bytes");
        }
    }
    return 0;
}
