// Which name the walk finds and which index it gives it.
#include "omf_bytes.h"
#include "patch_object_file.h"

#include <gtest/gtest.h>

#include <vector>

using namespace omf_test;

namespace {

Bytes Patched(Bytes image) {
    segmend::PatchImage(image);
    return image;
}

// Which SEGDEF the walk rewrites: names counted across LNAMES records, empty ones too, and
// only names that start with upper-case CSEG match.
TEST(SegmendNameNumbering, TheSegdefNamingTheMatchingNameIsRewritten) {
    Bytes shortName{3, 'C', 'S', 'E', 'G'};  // "CSE", then a name whose length byte is 'G' (71)
    shortName.insert(shortName.end(), 71, 'x');
    // "CSEG" claims 10 characters; "XYZ" claims 9: both run past the checksum.
    const Bytes badSegmentName = Record(0x96, {2, 'A', 'B', 10, 'C', 'S', 'E', 'G'});
    const Bytes badOtherName = Record(0x96, {2, 'A', 'B', 9, 'X', 'Y', 'Z'});
    const struct {
        const char* Why;
        Bytes Names;
        std::vector<unsigned> Segdefs;  // the name index each SEGDEF after the names gives
        int Rewritten;                  // which of them; -1: none
    } cases[] = {
        {"empty names count", Lnames({"", "DATA", "CSEG"}), {2, 3}, 1},
        {"across records, the lone body bytes 0x04 and 0x00 checksums, not name lengths",
         Concat({Lnames({"DATA", "BSS"}), RawRecord(0x96, {}), RawRecord(0x96, {0x04}), RawRecord(0x96, {0x00}),
                 Lnames({"CSEG", "STACK"})}),
         {1, 3},
         1},
        // CSEG2 is name 4; an 8-bit walk that stopped counting at CSEG would call it 2 (DATA).
        {"names after the match count", Concat({Lnames({"CSEG", "DATA"}), Lnames({"CODE", "CSEG2"})}), {2, 4}, 1},
        {"the first matching name of a record decides", Lnames({"CSEG_A", "CSEG_B"}), {2, 1}, 1},
        {"only upper-case CSEG at the start", Lnames({"cseg", "CSEX", "XCSEG", "CSEG_TEXT"}), {1, 2, 3, 4}, 3},
        {"a short name never matches whatever follows", Record(0x96, shortName), {1, 2}, -1},
        {"a name running past the body is not compared", badSegmentName, {1, 2}, -1},
        {"nor counted: AB 1, AB 2, CSEG 3", Concat({badSegmentName, badOtherName, Lnames({"CSEG"})}), {4, 3}, 1},
    };
    for (const auto& c : cases) {
        Bytes image = c.Names;
        Bytes expected = c.Names;
        for (std::size_t i = 0; i < c.Segdefs.size(); ++i) {
            image = Concat({image, Segdef(0x48, c.Segdefs[i])});
            expected = Concat({expected, Segdef(static_cast<int>(i) == c.Rewritten ? 0x58 : 0x48, c.Segdefs[i])});
        }
        EXPECT_EQ(Patched(image), expected) << c.Why;
    }
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
