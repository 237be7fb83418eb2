#pragma once

#include <cstdint>

namespace spacergen {

// Code bytes every function adds beyond its NOP bytes.
inline constexpr std::int32_t kFunctionOverheadBytes = 5;
// Code bytes of one block function, its NOP bytes and overhead together.
inline constexpr std::int32_t kBlockCodeBytes = 4096;

// The sizes derived from the two arguments; all 32-bit signed with wrap-around.
struct SpacerLayout {
    std::int32_t A = 0;           // first argument: names the first function
    std::int32_t Size = 0;        // A + B: the code bytes wanted
    std::int32_t FirstNops = 0;   // (Size - 5) rem 4096: NOP bytes of the first function
    std::int32_t BlockCount = 0;  // Size / 4096: number of block functions
};

SpacerLayout ComputeLayout(std::int32_t a, std::int32_t b);

// a + b wrapped to 32 bits.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b);

}  // namespace spacergen
