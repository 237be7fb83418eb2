#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace segmend {

inline constexpr std::uint8_t kLnamesType = 0x96;
inline constexpr std::uint8_t kSegdefType = 0x98;

// Type byte and 2-byte little-endian body length.
inline constexpr std::size_t kRecordHeaderSize = 3;
// The longest record a 2-byte length allows.
inline constexpr std::size_t kLongestRecord = kRecordHeaderSize + 0xFFFF;

// One record of an object file; its body ends with the checksum byte.
struct Record {
    std::uint8_t Type = 0;
    std::size_t BodyOffset = 0;  // where the body starts within the walked bytes
    std::span<const std::uint8_t> Body;
};

// The record whose header starts at `offset`, or nothing when its header or body is not
// all inside `bytes`.
std::optional<Record> RecordAt(std::span<const std::uint8_t> bytes, std::size_t offset);

}  // namespace segmend
