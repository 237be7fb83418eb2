#include "segdef.h"

namespace segmend {

namespace {

constexpr std::size_t kAcbpOffset = 0;
constexpr std::size_t kNameIndexOffset = 3;  // after the ACBP byte and the 2-byte length

bool IsAbsolute(std::uint8_t acbp) {
    return (acbp >> 5) == 0;
}

}  // namespace

std::optional<std::uint32_t> SegdefNameIndex(std::span<const std::uint8_t> body) {
    // The index must end before the checksum byte in the body's last place.
    if (body.size() < kNameIndexOffset + 2 || IsAbsolute(body[kAcbpOffset])) {
        return std::nullopt;
    }
    const std::uint8_t first = body[kNameIndexOffset];
    if (first < 0x80) {
        return first;
    }
    if (body.size() < kNameIndexOffset + 3) {
        return std::nullopt;
    }
    return ((first & 0x7Fu) << 8) | body[kNameIndexOffset + 1];
}

std::uint8_t WithCommonCombination(std::uint8_t acbp) {
    return static_cast<std::uint8_t>((acbp & 0xE3) | 0x18);
}

std::uint8_t AdjustedChecksum(std::uint8_t checksum, std::uint8_t oldAcbp, std::uint8_t newAcbp) {
    if (checksum == 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(checksum + oldAcbp - newAcbp);
}

}  // namespace segmend
