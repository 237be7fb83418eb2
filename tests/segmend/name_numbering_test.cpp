// Which name the walk finds and which index it gives it.
#include "omf_bytes.h"
#include "record_scan.h"

#include <gtest/gtest.h>

using namespace omf_test;

namespace {

Bytes patched(Bytes image) {
    segmend::patchImage(image);
    return image;
}

TEST(SegmendNameNumbering, CountsEveryNameIncludingEmptyOnes) {
    const Bytes names = lnames({"", "DATA", "CSEG"});
    EXPECT_EQ(patched(concat({names, segdef(0x48, 2), segdef(0x48, 3)})),
              concat({names, segdef(0x48, 2), segdef(0x58, 3)}));
}

TEST(SegmendNameNumbering, ContinuesAcrossRecordsWithoutCountingChecksumsOrEmptyRecords) {
    // The lone body bytes 0x04 and 0x00 are checksums, not name lengths.
    const Bytes names = concat({lnames({"DATA", "BSS"}), rawRecord(0x96, {}), rawRecord(0x96, {0x04}),
                                rawRecord(0x96, {0x00}), lnames({"CSEG", "STACK"})});
    EXPECT_EQ(patched(concat({names, segdef(0x48, 1), segdef(0x48, 3)})),
              concat({names, segdef(0x48, 1), segdef(0x58, 3)}));
}

TEST(SegmendNameNumbering, NamesAfterTheMatchInItsRecordStillCount) {
    // CSEG2 is name 4; an 8-bit walk that stopped counting at CSEG would call it 2 (DATA).
    const Bytes names = concat({lnames({"CSEG", "DATA"}), lnames({"CODE", "CSEG2"})});
    EXPECT_EQ(patched(concat({names, segdef(0x48, 2), segdef(0x48, 4)})),
              concat({names, segdef(0x48, 2), segdef(0x58, 4)}));
}

TEST(SegmendNameNumbering, FirstMatchingNameOfARecordDecides) {
    const Bytes names = lnames({"CSEG_A", "CSEG_B"});
    EXPECT_EQ(patched(concat({names, segdef(0x48, 2), segdef(0x48, 1)})),
              concat({names, segdef(0x48, 2), segdef(0x58, 1)}));
}

TEST(SegmendNameMatching, OnlyUpperCaseCsegAtTheStartMatches) {
    const Bytes names = lnames({"cseg", "CSEX", "XCSEG", "CSEG_TEXT"});
    Bytes image = concat({names, segdef(0x48, 1), segdef(0x48, 2), segdef(0x48, 3), segdef(0x48, 4)});
    EXPECT_EQ(patched(image),
              concat({names, segdef(0x48, 1), segdef(0x48, 2), segdef(0x48, 3), segdef(0x58, 4)}));
}

TEST(SegmendNameMatching, ShortNameNeverMatchesWhateverFollows) {
    // "CSE" then a name whose length byte is 'G' (71).
    Bytes fields{3, 'C', 'S', 'E', 'G'};
    fields.insert(fields.end(), 71, 'x');
    const Bytes image = concat({record(0x96, fields), segdef(0x48, 1), segdef(0x48, 2)});
    EXPECT_EQ(patched(image), image);
}

TEST(SegmendMalformedNames, NameRunningPastTheBodyIsNeitherComparedNorCounted) {
    // "CSEG" claims 10 characters; "XYZ" claims 9: both run past the checksum.
    const Bytes badSegmentName = record(0x96, {2, 'A', 'B', 10, 'C', 'S', 'E', 'G'});
    const Bytes badOtherName = record(0x96, {2, 'A', 'B', 9, 'X', 'Y', 'Z'});
    const Bytes unmatched = concat({badSegmentName, segdef(0x48, 1), segdef(0x48, 2)});
    EXPECT_EQ(patched(unmatched), unmatched);

    // AB is 1, the next AB 2, CSEG 3.
    const Bytes names = concat({badSegmentName, badOtherName, lnames({"CSEG"})});
    EXPECT_EQ(patched(concat({names, segdef(0x48, 4), segdef(0x48, 3)})),
              concat({names, segdef(0x48, 4), segdef(0x58, 3)}));
}

class SegmendWideNameIndex : public ::testing::TestWithParam<unsigned> {};

TEST_P(SegmendWideNameIndex, MatchesTheSegdefNamingItInEitherIndexForm) {
    const unsigned index = GetParam();
    const Bytes names = namesWithSegmentAt(index);
    // The index modulo 256, which an 8-bit count would have produced.
    const Bytes decoy = segdef(0x48, index % 256);
    const Bytes image = concat({names, index > 255 ? decoy : Bytes{}, segdef(0x28, index)});
    EXPECT_EQ(patched(image), concat({names, index > 255 ? decoy : Bytes{}, segdef(0x38, index)}));
}

INSTANTIATE_TEST_SUITE_P(Indices, SegmendWideNameIndex, ::testing::Values(3u, 127u, 128u, 256u, 257u, 300u, 32767u));

TEST(SegmendWideNameIndex, NamesBeyondTheHighestIndexMatchNothing) {
    const Bytes image = concat({namesWithSegmentAt(32768), segdef(0x48, 32767), segdef(0x48, 0)});
    EXPECT_EQ(patched(image), image);
}

}  // namespace
