#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace segmend {

// The segment name index of a 16-bit SEGDEF body, or nothing for an absolute segment
// (alignment 0: a frame number and offset stand where the name index would be) and for a
// body too short to hold the index before its checksum byte. The index is read in its
// one-byte form (below 0x80) or its two-byte form ((first & 0x7F) * 256 + second).
std::optional<std::uint32_t> SegdefNameIndex(std::span<const std::uint8_t> body);

// The ACBP byte with its combination set to Common (6); alignment, big and use32 kept.
std::uint8_t WithCommonCombination(std::uint8_t acbp);

// The checksum byte after the ACBP byte changed from oldAcbp to newAcbp, so that a
// valid record stays valid. A zero checksum means "not computed" and stays zero.
std::uint8_t AdjustedChecksum(std::uint8_t checksum, std::uint8_t oldAcbp, std::uint8_t newAcbp);

}  // namespace segmend
