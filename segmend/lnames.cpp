#include "lnames.h"

#include <algorithm>
#include <array>

namespace segmend {

namespace {

// Compared case-sensitively; what follows the four letters does not matter.
constexpr std::array<std::uint8_t, 4> kSegmentPrefix{0x43, 0x53, 0x45, 0x47};  // C S E G

bool BeginsWithSegmentPrefix(std::span<const std::uint8_t> name) {
    return name.size() >= kSegmentPrefix.size() &&
           std::equal(kSegmentPrefix.begin(), kSegmentPrefix.end(), name.begin());
}

}  // namespace

LnamesScan ScanLnames(std::span<const std::uint8_t> body) {
    LnamesScan scan;
    if (body.empty()) {
        return scan;
    }
    const std::size_t namesEnd = body.size() - 1;  // the checksum byte
    std::size_t offset = 0;
    while (offset < namesEnd) {
        const std::size_t length = body[offset];
        const std::size_t first = offset + 1;
        if (length > body.size() - first) {
            break;  // malformed: runs past the body
        }
        if (!scan.FirstSegmentName && BeginsWithSegmentPrefix(body.subspan(first, length))) {
            scan.FirstSegmentName = scan.NamesCounted;
        }
        ++scan.NamesCounted;
        offset = first + length;
    }
    return scan;
}

std::optional<std::uint32_t> NameNumbering::AddRecord(std::span<const std::uint8_t> body) {
    const LnamesScan scan = ScanLnames(body);
    // A body holds fewer than 65,536 names, so these sums cannot overflow.
    const std::uint32_t limit = kHighestNameIndex + 1;
    std::optional<std::uint32_t> matched;
    if (scan.FirstSegmentName) {
        matched = std::min(limit, nextIndex_ + *scan.FirstSegmentName);
    }
    nextIndex_ = std::min(limit, nextIndex_ + scan.NamesCounted);
    return matched;
}

}  // namespace segmend
