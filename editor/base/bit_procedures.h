#pragma once

#include <cstdint>

namespace mosalind {

// Bit helpers on an 8-bit value; bit 0 weighs 1, bit 7 weighs 128. A bit number outside
// 0 to 30 (any helper) or above 7 (SetBit, ToggleBit, whose result would not fit a byte)
// throws std::out_of_range.
std::uint8_t SetBit(std::uint8_t value, int bit);
std::uint8_t ClearBit(std::uint8_t value, int bit);
std::uint8_t ToggleBit(std::uint8_t value, int bit);
bool IsBitSet(std::uint8_t value, int bit);

}  // namespace mosalind
