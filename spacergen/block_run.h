#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>

namespace spacergen {

// A prepared run of consecutive block functions. The blocks differ only in the decimal
// number in their names, so the text is built once and afterwards only the numbers are
// rewritten in place: gigabytes of output cost no copying of the bodies.
//
// The kernel copies into the file fastest when the text's address and its place in the
// file agree modulo the cache line size, so the text is laid out at that offset. Runs hold
// a multiple of 64 blocks, which keeps that agreement from one full run to the next.
class BlockRun {
public:
    // `runBytes` is the wanted size of one run; a run holds at least one block.
    // `fileOffset` is where in the file the first run's text will go.
    BlockRun(std::size_t runBytes, std::uint64_t fileOffset);

    // How many blocks one run can hold.
    std::uint32_t Capacity() const { return capacity_; }

    // The text of `count` (1..capacity) blocks named first, first + 1, ..., which the
    // caller writes at the current file offset. All names must have as many decimal
    // digits as `first`.
    std::string_view Blocks(std::uint32_t first, std::uint32_t count);

private:
    static constexpr std::size_t kCacheLine = 64;
    static constexpr std::align_val_t kPageAlignment{4096};
    struct AlignedDelete {
        void operator()(char* text) const { ::operator delete[](text, kPageAlignment); }
    };

    void Prepare(int digits, std::size_t phase);

    std::string body_;
    std::uint32_t capacity_ = 1;
    std::uint64_t fileOffset_ = 0;
    int digits_ = 0;
    std::size_t phase_ = 0;
    std::size_t blockLength_ = 0;
    std::unique_ptr<char[], AlignedDelete> storage_;
    char* text_ = nullptr;
};

}  // namespace spacergen
