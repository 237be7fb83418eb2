#pragma once

#include <cstddef>
#include <cstdint>

namespace mosalind {

// Packed little-endian values inside a byte buffer; the caller keeps the offsets in range.

inline std::int16_t LoadLE16(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
}

inline std::int32_t LoadLE32(const std::uint8_t* bytes) {
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

inline void StoreLE16(std::uint8_t* bytes, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes[0] = static_cast<std::uint8_t>(bits & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(bits >> 8);
}

inline void StoreLE32(std::uint8_t* bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
}

}  // namespace mosalind
