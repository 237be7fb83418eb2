#include "record_scan.h"

#include "omf_record.h"

#include <utility>

namespace segmend {

ScanResult ScanRecords(SegmentPatcher& patcher, std::span<const std::uint8_t> bytes) {
    ScanResult result;
    while (const auto record = RecordAt(bytes, result.Consumed)) {
        result.Consumed = record->BodyOffset + record->Body.size();
        if (auto body = patcher.Examine(record->Type, record->Body)) {
            result.Rewrite = BodyRewrite{record->BodyOffset, std::move(*body)};
            break;
        }
    }
    return result;
}

}  // namespace segmend
