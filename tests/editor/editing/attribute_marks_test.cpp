// What the attribute overlay shows of one side word: the blocking kind's bar and the slope
// line's levels.
#include "editing/attribute_marks.h"

#include <gtest/gtest.h>

namespace mosalind {
namespace {

TEST(AttributeMarks, EachSideWordGivesItsBarAndSlopeLine) {
    const struct {
        const char* Why;
        std::int16_t SideWord;
        int Kind;
        bool Sloped;
        int Left, Right;
    } rows[] = {
        {"nothing", 0x00, 0, false, 0, 0},
        {"blocking", 0x01, 1, false, 0, 0},
        {"icy", 0x03, 3, false, 0, 0},
        {"slope bits without bit 7 are no slope", 0x7D, 1, false, 0, 0},
        {"a steep fall, 0 to 4, blocking", 0x81, 1, true, 0, 4},
        {"a gentle rise, 4 to 3, slippery", 0xEE, 2, true, 4, 3},
        {"a half rise, 2 to 0, nothing", 0xD4, 0, true, 2, 0},
        {"a gentle fall, 3 to 4", 0xAC, 0, true, 3, 4},
    };
    for (const auto& row : rows) {
        for (int side = 0; side < 4; ++side) {
            TileSet tileSet;
            tileSet.TileAttributes[0][7] = 17;
            tileSet.TileAttributes[side + 1][7] = row.SideWord;
            const AttributeMarks marks = AttributeMarksOf(tileSet, 7);
            EXPECT_EQ(marks.TileType, 17);
            for (int other = 0; other < 4; ++other) {
                const AttributeMarks::Side& mark = marks.Sides[other];
                SCOPED_TRACE(testing::Message() << row.Why << ", side " << side << ", looking at " << other);
                EXPECT_EQ(mark.BlockingKind, other == side ? row.Kind : 0);
                EXPECT_EQ(mark.Sloped, other == side && row.Sloped);
                if (other == side && row.Sloped) {
                    EXPECT_EQ(mark.SlopeLeft, row.Left);
                    EXPECT_EQ(mark.SlopeRight, row.Right);
                }
            }
        }
    }
}

}  // namespace
}  // namespace mosalind
