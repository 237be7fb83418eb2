// Which name the walk finds and which index it gives it.
#include "omf_bytes.h"
#include "patch_object_file.h"

#include <gtest/gtest.h>

using namespace omf_test;

namespace {

Bytes Patched(Bytes image) {
    segmend::PatchImage(image);
    return image;
}

TEST(SegmendNameNumbering, CountsEveryNameIncludingEmptyOnes) {
    const Bytes names = Lnames({"", "DATA", "CSEG"});
    EXPECT_EQ(Patched(Concat({names, Segdef(0x48, 2), Segdef(0x48, 3)})),
              Concat({names, Segdef(0x48, 2), Segdef(0x58, 3)}));
}

TEST(SegmendNameNumbering, ContinuesAcrossRecordsWithoutCountingChecksumsOrEmptyRecords) {
    // The lone body bytes 0x04 and 0x00 are checksums, not name lengths.
    const Bytes names = Concat({Lnames({"DATA", "BSS"}), RawRecord(0x96, {}), RawRecord(0x96, {0x04}),
                                RawRecord(0x96, {0x00}), Lnames({"CSEG", "STACK"})});
    EXPECT_EQ(Patched(Concat({names, Segdef(0x48, 1), Segdef(0x48, 3)})),
              Concat({names, Segdef(0x48, 1), Segdef(0x58, 3)}));
}

TEST(SegmendNameNumbering, NamesAfterTheMatchInItsRecordStillCount) {
    // CSEG2 is name 4; an 8-bit walk that stopped counting at CSEG would call it 2 (DATA).
    const Bytes names = Concat({Lnames({"CSEG", "DATA"}), Lnames({"CODE", "CSEG2"})});
    EXPECT_EQ(Patched(Concat({names, Segdef(0x48, 2), Segdef(0x48, 4)})),
              Concat({names, Segdef(0x48, 2), Segdef(0x58, 4)}));
}

TEST(SegmendNameNumbering, FirstMatchingNameOfARecordDecides) {
    const Bytes names = Lnames({"CSEG_A", "CSEG_B"});
    EXPECT_EQ(Patched(Concat({names, Segdef(0x48, 2), Segdef(0x48, 1)})),
              Concat({names, Segdef(0x48, 2), Segdef(0x58, 1)}));
}

TEST(SegmendNameMatching, OnlyUpperCaseCsegAtTheStartMatches) {
    const Bytes names = Lnames({"cseg", "CSEX", "XCSEG", "CSEG_TEXT"});
    Bytes image = Concat({names, Segdef(0x48, 1), Segdef(0x48, 2), Segdef(0x48, 3), Segdef(0x48, 4)});
    EXPECT_EQ(Patched(image), Concat({names, Segdef(0x48, 1), Segdef(0x48, 2), Segdef(0x48, 3), Segdef(0x58, 4)}));
}

TEST(SegmendNameMatching, ShortNameNeverMatchesWhateverFollows) {
    // "CSE" then a name whose length byte is 'G' (71).
    Bytes fields{3, 'C', 'S', 'E', 'G'};
    fields.insert(fields.end(), 71, 'x');
    const Bytes image = Concat({Record(0x96, fields), Segdef(0x48, 1), Segdef(0x48, 2)});
    EXPECT_EQ(Patched(image), image);
}

TEST(SegmendMalformedNames, NameRunningPastTheBodyIsNeitherComparedNorCounted) {
    // "CSEG" claims 10 characters; "XYZ" claims 9: both run past the checksum.
    const Bytes badSegmentName = Record(0x96, {2, 'A', 'B', 10, 'C', 'S', 'E', 'G'});
    const Bytes badOtherName = Record(0x96, {2, 'A', 'B', 9, 'X', 'Y', 'Z'});
    const Bytes unmatched = Concat({badSegmentName, Segdef(0x48, 1), Segdef(0x48, 2)});
    EXPECT_EQ(Patched(unmatched), unmatched);

    // AB is 1, the next AB 2, CSEG 3.
    const Bytes names = Concat({badSegmentName, badOtherName, Lnames({"CSEG"})});
    EXPECT_EQ(Patched(Concat({names, Segdef(0x48, 4), Segdef(0x48, 3)})),
              Concat({names, Segdef(0x48, 4), Segdef(0x58, 3)}));
}

class SegmendWideNameIndex : public ::testing::TestWithParam<unsigned> {};

TEST_P(SegmendWideNameIndex, MatchesTheSegdefNamingItInEitherIndexForm) {
    const unsigned index = GetParam();
    const Bytes names = NamesWithSegmentAt(index);
    // The index modulo 256, which an 8-bit count would have produced.
    const Bytes decoy = Segdef(0x48, index % 256);
    const Bytes image = Concat({names, index > 255 ? decoy : Bytes{}, Segdef(0x28, index)});
    EXPECT_EQ(Patched(image), Concat({names, index > 255 ? decoy : Bytes{}, Segdef(0x38, index)}));
}

INSTANTIATE_TEST_SUITE_P(Indices, SegmendWideNameIndex, ::testing::Values(3u, 127u, 128u, 256u, 257u, 300u, 32767u));

TEST(SegmendWideNameIndex, NamesBeyondTheHighestIndexMatchNothing) {
    const Bytes image = Concat({NamesWithSegmentAt(32768), Segdef(0x48, 32767), Segdef(0x48, 0)});
    EXPECT_EQ(Patched(image), image);
}

}  // namespace
