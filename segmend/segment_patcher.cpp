#include "segment_patcher.h"

#include "omf_record.h"
#include "segdef.h"

namespace segmend {

std::optional<std::vector<std::uint8_t>> SegmentPatcher::Examine(std::uint8_t type,
                                                                 std::span<const std::uint8_t> body) {
    if (body.size() > kRecordBufferSize) {
        return std::nullopt;
    }

    if (type == kLnamesType) {
        if (const auto index = names_.AddRecord(body)) {
            matchedIndex_ = index;
        }
        return std::nullopt;
    }
    if (type != kSegdefType || patched_ || !matchedIndex_) {
        return std::nullopt;
    }
    if (SegdefNameIndex(body) != matchedIndex_) {
        return std::nullopt;
    }

    std::vector<std::uint8_t> rewritten(body.begin(), body.end());
    const std::uint8_t oldAcbp = rewritten.front();
    const std::uint8_t newAcbp = WithCommonCombination(oldAcbp);
    rewritten.front() = newAcbp;
    rewritten.back() = AdjustedChecksum(rewritten.back(), oldAcbp, newAcbp);
    patched_ = true;
    return rewritten;
}

}  // namespace segmend
