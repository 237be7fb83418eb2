#include "record_scan.h"

#include "omf_record.h"

#include <algorithm>

namespace segmend {

ScanResult scanRecords(SegmentPatcher& patcher, std::span<const std::uint8_t> bytes) {
    ScanResult result;
    while (const auto record = recordAt(bytes, result.consumed)) {
        result.consumed = record->bodyOffset + record->body.size();
        if (auto body = patcher.examine(record->type, record->body)) {
            result.rewrite = BodyRewrite{record->bodyOffset, std::move(*body)};
            break;
        }
    }
    return result;
}

bool patchImage(std::vector<std::uint8_t>& image) {
    SegmentPatcher patcher;
    const ScanResult scan = scanRecords(patcher, image);
    if (!scan.rewrite) return false;
    std::copy(scan.rewrite->body.begin(), scan.rewrite->body.end(),
              image.begin() + static_cast<std::ptrdiff_t>(scan.rewrite->bodyOffset));
    return true;
}

}  // namespace segmend
