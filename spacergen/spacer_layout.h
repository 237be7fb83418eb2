#pragma once

#include <cstdint>

namespace spacergen {

// Code bytes every function adds beyond its NOP bytes.
inline constexpr std::int32_t kFunctionOverheadBytes = 5;

// The sizes derived from the two arguments; all 32-bit signed with wrap-around.
struct SpacerLayout {
    std::int32_t a = 0;           // first argument: names the first function
    std::int32_t size = 0;        // A + B: the code bytes wanted
    std::int32_t firstNops = 0;   // (size - 5) rem 4096: NOP bytes of the first function
    std::int32_t blockCount = 0;  // size / 4096: number of block functions
};

SpacerLayout computeLayout(std::int32_t a, std::int32_t b);

// a + b wrapped to 32 bits.
std::int32_t wrappingAdd(std::int32_t a, std::int32_t b);

}  // namespace spacergen
