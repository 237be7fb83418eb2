// segmend's patch of an object file held in memory. Whatever the bytes: the length never
// changes; at most one SEGDEF record changes, and only in its ACBP byte (combination set to
// Common, the other bits kept) and its checksum byte; a valid nonzero checksum stays valid
// and a zero one stays zero; patching the result again changes nothing more. Each input is
// patched as it is and once more with every record's checksum made valid, since mutations
// seldom keep a checksum valid by themselves.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "fuzz_check.h"
#include "patch_object_file.h"

using fuzzing::FuzzCheck;

namespace {

constexpr std::uint8_t kSegdef = 0x98;
constexpr unsigned kCommon = 6;

struct RecordSpan {
    std::size_t Start = 0;  // the type byte
    std::size_t End = 0;    // one past the checksum byte
};

// The complete record that holds byte `position`, walking the records from the front: a type
// byte, a 2-byte little-endian length, that many bytes of body ending with the checksum.
std::optional<RecordSpan> RecordHolding(const std::vector<std::uint8_t>& image, std::size_t position) {
    std::size_t start = 0;
    while (image.size() - start >= 3) {
        const std::size_t length = image[start + 1] + 256u * image[start + 2];
        const std::size_t end = start + 3 + length;
        if (end > image.size()) {
            break;
        }
        if (position < end) {
            return RecordSpan{start, end};
        }
        start = end;
    }
    return std::nullopt;
}

unsigned ByteSum(const std::vector<std::uint8_t>& image, const RecordSpan& record) {
    unsigned sum = 0;
    for (std::size_t i = record.Start; i < record.End; ++i) {
        sum += image[i];
    }
    return sum % 256;
}

// The image with the checksum byte of every complete record set so the record sums to 0.
std::vector<std::uint8_t> WithValidChecksums(std::vector<std::uint8_t> image) {
    std::size_t start = 0;
    while (const std::optional<RecordSpan> record = RecordHolding(image, start)) {
        if (record->End - record->Start > 3) {
            image[record->End - 1] = 0;
            image[record->End - 1] = static_cast<std::uint8_t>((256 - ByteSum(image, *record)) % 256);
        }
        start = record->End;
    }
    return image;
}

void CheckPatch(const std::vector<std::uint8_t>& original) {
    std::vector<std::uint8_t> once = original;
    const bool patched = segmend::PatchImage(once);
    FuzzCheck(once.size() == original.size(), "the length never changes");

    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < original.size(); ++i) {
        if (once[i] != original[i]) {
            changed.push_back(i);
        }
    }
    FuzzCheck(patched || changed.empty(), "nothing changes when no segment was patched");
    if (!changed.empty()) {
        const std::optional<RecordSpan> record = RecordHolding(original, changed.front());
        FuzzCheck(record.has_value() && original[record->Start] == kSegdef,
                  "a change lies in a complete SEGDEF record");
        const std::size_t acbp = record->Start + 3;
        const std::size_t checksum = record->End - 1;
        for (const std::size_t i : changed) {
            FuzzCheck(i == acbp || i == checksum, "only the ACBP and checksum bytes of one SEGDEF change");
        }
        FuzzCheck(((once[acbp] >> 2) & 7) == kCommon, "the combination becomes Common");
        FuzzCheck((once[acbp] & 0xE3) == (original[acbp] & 0xE3), "alignment, big and use32 are kept");
        if (original[checksum] == 0) {
            FuzzCheck(once[checksum] == 0, "a zero checksum stays zero");
        } else if (ByteSum(original, *record) == 0) {
            FuzzCheck(ByteSum(once, *record) == 0, "a valid checksum stays valid");
        }
    }

    std::vector<std::uint8_t> twice = once;
    segmend::PatchImage(twice);
    FuzzCheck(twice == once, "patching twice changes nothing more");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> image(data, data + size);
    CheckPatch(image);
    CheckPatch(WithValidChecksums(image));
    return 0;
}
