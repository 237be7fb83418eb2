// Little-endian fields in byte buffers, for the files the tests, benchmarks, fuzz targets
// and tools build byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dev_support {

using Bytes = std::vector<std::uint8_t>;

// The low 16 bits of `value` at bytes[at] and bytes[at + 1].
inline void PutLE16(Bytes& bytes, std::size_t at, std::uint32_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(at + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

inline void PutLE32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    PutLE16(bytes, at, value & 0xFFFF);
    PutLE16(bytes, at + 2, value >> 16);
}

inline void AppendLE16(Bytes& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 2);
    PutLE16(bytes, bytes.size() - 2, value);
}

inline void AppendLE32(Bytes& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    PutLE32(bytes, bytes.size() - 4, value);
}

inline std::uint16_t GetLE16(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

inline std::uint32_t GetLE32(const Bytes& bytes, std::size_t at) {
    return GetLE16(bytes, at) | (static_cast<std::uint32_t>(GetLE16(bytes, at + 2)) << 16);
}

}  // namespace dev_support
