// How the walk steps from record to record: long bodies, cut-off files, split reading.
#include "omf_bytes.h"
#include "patch_object_file.h"
#include "record_scan.h"

#include <gtest/gtest.h>

using namespace omf_test;

namespace {

Bytes Patched(Bytes image) {
    segmend::PatchImage(image);
    return image;
}

// An LNAMES record of `bodySize` bytes (checksum included) whose first name is CSEG.
Bytes LnamesOfBodySize(std::size_t bodySize) {
    Bytes fields = NameFields({"CSEG"});
    while (fields.size() + 1 < bodySize) {
        const std::size_t length = std::min<std::size_t>(255, bodySize - 1 - fields.size() - 1);
        fields.push_back(static_cast<std::uint8_t>(length));
        fields.insert(fields.end(), length, 'n');
    }
    return Record(0x96, fields);
}

TEST(SegmendLongBodies, BodiesOver4096BytesArePassedOverUnexamined) {
    const Bytes names4097 = LnamesOfBodySize(4097);
    const Bytes names4096 = LnamesOfBodySize(4096);
    ASSERT_EQ(names4097.size(), 4100u);
    ASSERT_EQ(names4096.size(), 4099u);

    // The long record's CSEG neither matches nor counts.
    const Bytes skipped = Concat({names4097, Segdef(0x48, 1)});
    EXPECT_EQ(Patched(skipped), skipped);
    const Bytes afterSkipped = Concat({names4097, Lnames({"CSEG"}), Ledata(0xFFFF)});
    EXPECT_EQ(Patched(Concat({afterSkipped, Segdef(0x48, 1)})), Concat({afterSkipped, Segdef(0x58, 1)}));

    // A long SEGDEF naming CSEG is not rewritten; the next one is.
    Bytes longFields{0x48, 0x34, 0x12, 0x01, 0x01, 0x01};
    longFields.resize(4096, 0);
    const Bytes longSegdef = Concat({names4096, Record(0x98, longFields)});
    EXPECT_EQ(Patched(Concat({longSegdef, Segdef(0x48, 1)})), Concat({longSegdef, Segdef(0x58, 1)}));
}

TEST(SegmendCutOffFile, RecordCutShortEndsTheWalk) {
    const Bytes whole = Concat({Lnames({"CSEG"}), Segdef(0x48, 1)});
    for (std::size_t cut = 1; cut <= Segdef(0x48, 1).size(); ++cut) {
        const Bytes image(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(cut));
        EXPECT_EQ(Patched(image), image) << "cut " << cut;
    }
}

TEST(SegmendCutOffFile, PatchBeforeTheCutStays) {
    const Bytes names = Lnames({"CSEG"});
    const Bytes tail{0xA0, 0x10, 0x00, 0x01};
    EXPECT_EQ(Patched(Concat({names, Segdef(0x48, 1), tail})), Concat({names, Segdef(0x58, 1), tail}));
}

TEST(SegmendSplitReading, RecordsCutBetweenTwoPiecesAreWalkedWhenTheRestArrives) {
    const Bytes image =
        Concat({Lnames({"DATA"}), Ledata(300), Lnames({"CSEG"}), Segdef(0x48, 3), Segdef(0x48, 2), Ledata(20)});
    const std::size_t expectedBody = image.size() - Ledata(20).size() - Segdef(0x48, 2).size() + 3;
    for (std::size_t split = 0; split <= image.size(); ++split) {
        segmend::SegmentPatcher patcher;
        const std::span<const std::uint8_t> all(image);
        const auto first = segmend::ScanRecords(patcher, all.first(split));
        ASSERT_LE(first.Consumed, split);
        std::size_t bodyOffset = first.Rewrite ? first.Rewrite->BodyOffset : 0;
        if (!first.Rewrite) {
            const auto rest = segmend::ScanRecords(patcher, all.subspan(first.Consumed));
            ASSERT_TRUE(rest.Rewrite) << "split " << split;
            bodyOffset = first.Consumed + rest.Rewrite->BodyOffset;
        }
        EXPECT_EQ(bodyOffset, expectedBody) << "split " << split;
    }
}

}  // namespace
