#pragma once

#include "segment_patcher.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace segmend {

// A record body to write back over the old one.
struct BodyRewrite {
    std::size_t bodyOffset = 0;  // within the scanned bytes
    std::vector<std::uint8_t> body;
};

struct ScanResult {
    // Bytes of complete records walked; an incomplete record at the end is not consumed.
    std::size_t consumed = 0;
    std::optional<BodyRewrite> rewrite;
};

// Feeds the complete records at the front of `bytes` to the patcher, in order. Stops
// after the record to rewrite: nothing after it can change the file.
ScanResult scanRecords(SegmentPatcher& patcher, std::span<const std::uint8_t> bytes);

// Patches a whole object file held in memory; a record cut short by the end ends the
// walk. Returns whether a SEGDEF was rewritten.
bool patchImage(std::vector<std::uint8_t>& image);

}  // namespace segmend
