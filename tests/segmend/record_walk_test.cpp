// How the walk steps from record to record: long bodies, cut-off files, split reading.
#include "omf_bytes.h"
#include "record_scan.h"

#include <gtest/gtest.h>

using namespace omf_test;

namespace {

Bytes patched(Bytes image) {
    segmend::patchImage(image);
    return image;
}

// An LNAMES record of `bodySize` bytes (checksum included) whose first name is CSEG.
Bytes lnamesOfBodySize(std::size_t bodySize) {
    Bytes fields = nameFields({"CSEG"});
    while (fields.size() + 1 < bodySize) {
        const std::size_t length = std::min<std::size_t>(255, bodySize - 1 - fields.size() - 1);
        fields.push_back(static_cast<std::uint8_t>(length));
        fields.insert(fields.end(), length, 'n');
    }
    return record(0x96, fields);
}

TEST(SegmendLongBodies, BodiesOver4096BytesArePassedOverUnexamined) {
    const Bytes names4097 = lnamesOfBodySize(4097);
    const Bytes names4096 = lnamesOfBodySize(4096);
    ASSERT_EQ(names4097.size(), 4100u);
    ASSERT_EQ(names4096.size(), 4099u);

    // The long record's CSEG neither matches nor counts.
    const Bytes skipped = concat({names4097, segdef(0x48, 1)});
    EXPECT_EQ(patched(skipped), skipped);
    const Bytes afterSkipped = concat({names4097, lnames({"CSEG"}), ledata(0xFFFF)});
    EXPECT_EQ(patched(concat({afterSkipped, segdef(0x48, 1)})), concat({afterSkipped, segdef(0x58, 1)}));

    // A long SEGDEF naming CSEG is not rewritten; the next one is.
    Bytes longFields{0x48, 0x34, 0x12, 0x01, 0x01, 0x01};
    longFields.resize(4096, 0);
    const Bytes longSegdef = concat({names4096, record(0x98, longFields)});
    EXPECT_EQ(patched(concat({longSegdef, segdef(0x48, 1)})), concat({longSegdef, segdef(0x58, 1)}));
}

TEST(SegmendCutOffFile, RecordCutShortEndsTheWalk) {
    const Bytes whole = concat({lnames({"CSEG"}), segdef(0x48, 1)});
    for (std::size_t cut = 1; cut <= segdef(0x48, 1).size(); ++cut) {
        const Bytes image(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(cut));
        EXPECT_EQ(patched(image), image) << "cut " << cut;
    }
}

TEST(SegmendCutOffFile, PatchBeforeTheCutStays) {
    const Bytes names = lnames({"CSEG"});
    const Bytes tail{0xA0, 0x10, 0x00, 0x01};
    EXPECT_EQ(patched(concat({names, segdef(0x48, 1), tail})), concat({names, segdef(0x58, 1), tail}));
}

TEST(SegmendSplitReading, RecordsCutBetweenTwoPiecesAreWalkedWhenTheRestArrives) {
    const Bytes image = concat({lnames({"DATA"}), ledata(300), lnames({"CSEG"}), segdef(0x48, 3),
                                segdef(0x48, 2), ledata(20)});
    const std::size_t expectedBody = image.size() - ledata(20).size() - segdef(0x48, 2).size() + 3;
    for (std::size_t split = 0; split <= image.size(); ++split) {
        segmend::SegmentPatcher patcher;
        const std::span<const std::uint8_t> all(image);
        const auto first = segmend::scanRecords(patcher, all.first(split));
        ASSERT_LE(first.consumed, split);
        std::size_t bodyOffset = first.rewrite ? first.rewrite->bodyOffset : 0;
        if (!first.rewrite) {
            const auto rest = segmend::scanRecords(patcher, all.subspan(first.consumed));
            ASSERT_TRUE(rest.rewrite) << "split " << split;
            bodyOffset = first.consumed + rest.rewrite->bodyOffset;
        }
        EXPECT_EQ(bodyOffset, expectedBody) << "split " << split;
    }
}

}  // namespace
