#include "omf_record.h"

namespace segmend {

std::optional<Record> RecordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < kRecordHeaderSize) {
        return std::nullopt;
    }
    const std::size_t length = bytes[offset + 1] | (std::size_t{bytes[offset + 2]} << 8);
    const std::size_t bodyOffset = offset + kRecordHeaderSize;
    if (bytes.size() - bodyOffset < length) {
        return std::nullopt;
    }
    return Record{bytes[offset], bodyOffset, bytes.subspan(bodyOffset, length)};
}

}  // namespace segmend
