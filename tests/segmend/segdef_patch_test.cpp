// What the rewrite of the chosen SEGDEF changes, and which SEGDEFs it leaves alone.
#include "omf_bytes.h"
#include "patch_object_file.h"

#include <gtest/gtest.h>

using namespace omf_test;

namespace {

Bytes Patched(Bytes image) {
    segmend::PatchImage(image);
    return image;
}

const Bytes kNames = Lnames({"CSEG"});

struct AcbpCase {
    std::uint8_t Before;
    std::uint8_t After;
};

class SegmendCombinationRewrite : public ::testing::TestWithParam<AcbpCase> {};

TEST_P(SegmendCombinationRewrite, SetsCommonAndKeepsTheChecksumValid) {
    const auto [before, after] = GetParam();
    const Bytes image = Patched(Concat({kNames, Segdef(before, 1)}));
    EXPECT_EQ(image, Concat({kNames, Segdef(after, 1)}));
    EXPECT_TRUE(ChecksumValid(Bytes(image.begin() + static_cast<std::ptrdiff_t>(kNames.size()), image.end())));
}

INSTANTIATE_TEST_SUITE_P(Examples, SegmendCombinationRewrite,
                         ::testing::Values(AcbpCase{0x28, 0x38}, AcbpCase{0x48, 0x58}, AcbpCase{0x60, 0x78},
                                           AcbpCase{0x69, 0x79}, AcbpCase{0x78, 0x78}));

TEST(SegmendChecksumByte, ZeroStaysZero) {
    EXPECT_EQ(Patched(Concat({kNames, Segdef(0x48, 1, Checksum::Zero)})),
              Concat({kNames, Segdef(0x58, 1, Checksum::Zero)}));
}

TEST(SegmendChecksumByte, WrongChecksumStaysAsFarOff) {
    Bytes wrong = Segdef(0x48, 1);
    wrong.back() = static_cast<std::uint8_t>(wrong.back() + 5);
    const Bytes image = Patched(Concat({kNames, wrong}));
    const Bytes rewritten(image.begin() + static_cast<std::ptrdiff_t>(kNames.size()), image.end());
    EXPECT_EQ(rewritten[3], 0x58);
    unsigned sum = 0;
    for (std::uint8_t byte : rewritten) {
        sum += byte;
    }
    EXPECT_EQ(sum % 256, 5u);
}

TEST(SegmendWhichSegdef, OnlyTheFirstMatchingOneIsRewritten) {
    EXPECT_EQ(
        Patched(Concat({kNames, Segdef(0x48, 2), Segdef(0x48, 1), Segdef(0x28, 1), Lnames({"CSEG"}), Segdef(0x28, 2)})),
        Concat({kNames, Segdef(0x48, 2), Segdef(0x58, 1), Segdef(0x28, 1), Lnames({"CSEG"}), Segdef(0x28, 2)}));
}

TEST(SegmendWhichSegdef, SegdefBeforeTheNameIsLeftAlone) {
    const Bytes image = Concat({Segdef(0x48, 1), kNames});
    EXPECT_EQ(Patched(image), image);
}

TEST(SegmendWhichSegdef, AbsoluteShortAnd32BitSegdefsAreLeftAlone) {
    // Absolute (A = 0): frame 0x0100 and offset 0x01 stand where length and name are.
    const Bytes absolute = Record(0x98, {0x08, 0x00, 0x01, 0x01, 0x00, 0x10, 1, 1, 1});
    // Too short: the byte that would be the index is the checksum.
    const Bytes oneByteIndexCut = RawRecord(0x98, {0x48, 0x34, 0x12, 0x01});
    const Bytes twoByteIndexCut = RawRecord(0x98, {0x48, 0x34, 0x12, 0x80, 0x01});
    const Bytes noBody = RawRecord(0x98, {});
    const Bytes segdef32 = Record(0x99, {0x48, 0x34, 0x12, 0x01, 0x00, 0x01, 1, 1});
    const Bytes before = Concat({kNames, absolute, oneByteIndexCut, twoByteIndexCut, noBody, segdef32});
    EXPECT_EQ(Patched(Concat({before, Segdef(0x48, 1)})), Concat({before, Segdef(0x58, 1)}));
}

}  // namespace
