#pragma once

#include "lnames.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace segmend {

// Bodies longer than this are passed over without being examined.
inline constexpr std::size_t kRecordBufferSize = 4096;

// Follows the records of one object file in order and decides which SEGDEF to rewrite:
// the first one naming the segment whose name begins with "CSEG" gets the Common
// combination.
class SegmentPatcher {
public:
    // Examines one complete record. Returns the body to write back in place of the old
    // one when this record is the SEGDEF to rewrite.
    std::optional<std::vector<std::uint8_t>> Examine(std::uint8_t type, std::span<const std::uint8_t> body);

    bool Patched() const { return patched_; }

private:
    NameNumbering names_;
    // A later LNAMES record with a "CSEG" name replaces it.
    std::optional<std::uint32_t> matchedIndex_;
    bool patched_ = false;
};

}  // namespace segmend
