#pragma once

#include <cstdint>

namespace spacergen {

// Number of decimal digits of `value`.
int DecimalDigits(std::uint32_t value);

// How many numbers from `value` upward (stopping at the 32-bit maximum) share its digit count.
std::uint64_t NumbersWithSameDigits(std::uint32_t value);

}  // namespace spacergen
