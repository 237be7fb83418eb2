// What the rewrite of the chosen SEGDEF changes, and which SEGDEFs it leaves alone.
#include "omf_bytes.h"
#include "record_scan.h"

#include <gtest/gtest.h>

using namespace omf_test;

namespace {

Bytes patched(Bytes image) {
    segmend::patchImage(image);
    return image;
}

const Bytes kNames = lnames({"CSEG"});

struct AcbpCase {
    std::uint8_t before;
    std::uint8_t after;
};

class SegmendCombinationRewrite : public ::testing::TestWithParam<AcbpCase> {};

TEST_P(SegmendCombinationRewrite, SetsCommonAndKeepsTheChecksumValid) {
    const auto [before, after] = GetParam();
    const Bytes image = patched(concat({kNames, segdef(before, 1)}));
    EXPECT_EQ(image, concat({kNames, segdef(after, 1)}));
    EXPECT_TRUE(checksumValid(Bytes(image.begin() + static_cast<std::ptrdiff_t>(kNames.size()), image.end())));
}

INSTANTIATE_TEST_SUITE_P(Examples, SegmendCombinationRewrite,
                         ::testing::Values(AcbpCase{0x28, 0x38}, AcbpCase{0x48, 0x58},
                                           AcbpCase{0x60, 0x78}, AcbpCase{0x69, 0x79},
                                           AcbpCase{0x78, 0x78}));

TEST(SegmendChecksumByte, ZeroStaysZero) {
    EXPECT_EQ(patched(concat({kNames, segdef(0x48, 1, Checksum::Zero)})),
              concat({kNames, segdef(0x58, 1, Checksum::Zero)}));
}

TEST(SegmendChecksumByte, WrongChecksumStaysAsFarOff) {
    Bytes wrong = segdef(0x48, 1);
    wrong.back() = static_cast<std::uint8_t>(wrong.back() + 5);
    const Bytes image = patched(concat({kNames, wrong}));
    const Bytes rewritten(image.begin() + static_cast<std::ptrdiff_t>(kNames.size()), image.end());
    EXPECT_EQ(rewritten[3], 0x58);
    unsigned sum = 0;
    for (std::uint8_t byte : rewritten) sum += byte;
    EXPECT_EQ(sum % 256, 5u);
}

TEST(SegmendWhichSegdef, OnlyTheFirstMatchingOneIsRewritten) {
    EXPECT_EQ(patched(concat({kNames, segdef(0x48, 2), segdef(0x48, 1), segdef(0x28, 1), lnames({"CSEG"}),
                              segdef(0x28, 2)})),
              concat({kNames, segdef(0x48, 2), segdef(0x58, 1), segdef(0x28, 1), lnames({"CSEG"}),
                      segdef(0x28, 2)}));
}

TEST(SegmendWhichSegdef, SegdefBeforeTheNameIsLeftAlone) {
    const Bytes image = concat({segdef(0x48, 1), kNames});
    EXPECT_EQ(patched(image), image);
}

TEST(SegmendWhichSegdef, AbsoluteShortAnd32BitSegdefsAreLeftAlone) {
    // Absolute (A = 0): frame 0x0100 and offset 0x01 stand where length and name are.
    const Bytes absolute = record(0x98, {0x08, 0x00, 0x01, 0x01, 0x00, 0x10, 1, 1, 1});
    // Too short: the byte that would be the index is the checksum.
    const Bytes oneByteIndexCut = rawRecord(0x98, {0x48, 0x34, 0x12, 0x01});
    const Bytes twoByteIndexCut = rawRecord(0x98, {0x48, 0x34, 0x12, 0x80, 0x01});
    const Bytes noBody = rawRecord(0x98, {});
    const Bytes segdef32 = record(0x99, {0x48, 0x34, 0x12, 0x01, 0x00, 0x01, 1, 1});
    const Bytes before = concat({kNames, absolute, oneByteIndexCut, twoByteIndexCut, noBody, segdef32});
    EXPECT_EQ(patched(concat({before, segdef(0x48, 1)})), concat({before, segdef(0x58, 1)}));
}

}  // namespace
