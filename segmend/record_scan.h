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
    std::size_t BodyOffset = 0;  // within the scanned bytes
    std::vector<std::uint8_t> Body;
};

struct ScanResult {
    // Bytes of complete records walked; an incomplete record at the end is not consumed.
    std::size_t Consumed = 0;
    std::optional<BodyRewrite> Rewrite;
};

// Feeds the complete records at the front of `bytes` to the patcher, in order. Stops
// after the record to rewrite: nothing after it can change the file.
ScanResult ScanRecords(SegmentPatcher& patcher, std::span<const std::uint8_t> bytes);

}  // namespace segmend
