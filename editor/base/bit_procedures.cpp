#include "base/bit_procedures.h"

#include <stdexcept>
#include <string>

namespace mosalind {

namespace {

// The mask 2^bit for bit numbers 0 to 30; larger ones do not fit a signed 32-bit mask.
std::uint32_t MaskFor(int bit) {
    if (bit < 0 || bit > 30) {
        throw std::out_of_range("bit number " + std::to_string(bit) + " is outside 0 to 30");
    }
    return std::uint32_t{1} << bit;
}

// SetBit and ToggleBit must give a byte: a bit above 7 would push the result past 255.
std::uint32_t ByteMaskFor(int bit) {
    const std::uint32_t mask = MaskFor(bit);
    if (bit > 7) {
        throw std::out_of_range("bit number " + std::to_string(bit) + " gives a value above 255");
    }
    return mask;
}

}  // namespace

std::uint8_t SetBit(std::uint8_t value, int bit) {
    return static_cast<std::uint8_t>(value | ByteMaskFor(bit));
}

std::uint8_t ClearBit(std::uint8_t value, int bit) {
    return static_cast<std::uint8_t>(value & ~MaskFor(bit));
}

std::uint8_t ToggleBit(std::uint8_t value, int bit) {
    return static_cast<std::uint8_t>(value ^ ByteMaskFor(bit));
}

bool IsBitSet(std::uint8_t value, int bit) {
    return (value & MaskFor(bit)) != 0;
}

}  // namespace mosalind
