// Little-endian values put into byte buffers, for inputs the fuzz targets build themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzzing {

using Bytes = std::vector<std::uint8_t>;

inline void PutLE16(Bytes& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
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

}  // namespace fuzzing
