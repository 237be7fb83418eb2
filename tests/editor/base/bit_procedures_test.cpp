#include "base/bit_procedures.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mosalind {
namespace {

TEST(BitProcedures, GiveTheDocumentedResults) {
    EXPECT_EQ(SetBit(0, 7), 128);
    EXPECT_EQ(ClearBit(5, 2), 1);
    EXPECT_EQ(ToggleBit(255, 0), 254);
    EXPECT_TRUE(IsBitSet(4, 2));
    EXPECT_FALSE(IsBitSet(4, 1));
    EXPECT_FALSE(IsBitSet(255, 8));
    EXPECT_EQ(ClearBit(200, 9), 200);
}

TEST(BitProcedures, RefuseBitNumbersWhoseResultCannotExist) {
    EXPECT_THROW(SetBit(0, 8), std::out_of_range);
    EXPECT_THROW(ToggleBit(0, 8), std::out_of_range);
    EXPECT_THROW(IsBitSet(0, 31), std::out_of_range);
    EXPECT_THROW(ClearBit(0, 31), std::out_of_range);
    EXPECT_THROW(ClearBit(0, -1), std::out_of_range);
    EXPECT_NO_THROW(ClearBit(0, 30));
}

}  // namespace
}  // namespace mosalind
