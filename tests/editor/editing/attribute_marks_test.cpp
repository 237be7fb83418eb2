// What the attribute overlay shows of one side word: the blocking kind's bar and the slope
// line's levels, on the side that word is (how a word reads: TileCollision's tests); and where
// its pictures draw them in the cell.
#include "editing/attribute_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
        {"icy", 0x03, 3, false, 0, 0},
        {"slope bits without bit 7 are no slope", 0x7D, 1, false, 0, 0},
        {"a gentle rise, 4 to 3, slippery", 0xEE, 2, true, 4, 3},
        {"a half rise, 2 to 0, nothing", 0xD4, 0, true, 2, 0},
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

// Every mark the overlay can draw, stored or suggested, at the sheet's zooms: no screen
// pixel of it lies on the cell's outermost ring, so neighbouring tiles' marks are at least
// two pixels apart; bars and slope ends sit where they belong.
TEST(AttributeMarks, NoMarkReachesItsCellsOutermostRingAtAnyZoom) {
    // The slope levels' rows inside the ring: 1 + level x 13 / 4, truncated.
    const int levelRows[] = {1, 4, 7, 10, 14};
    std::vector<AttributeMarks> all;
    for (int type : {0, 7, 29, 199, 254, 255}) {
        for (int side = 0; side < 4; ++side) {
            for (int kind = 0; kind <= 3; ++kind) {
                for (int left = 0; left <= 4; ++left) {
                    for (int right = 0; right <= 4; ++right) {
                        AttributeMarks marks;
                        marks.TileType = type;
                        marks.Sides[side] = {kind, left != right || kind == 0, left, right, TileLine{}};
                        // Every side blocking too, the busiest tile there is.
                        if (type == 199) {
                            for (auto& other : marks.Sides) {
                                other.BlockingKind = other.BlockingKind > 0 ? other.BlockingKind : 3;
                            }
                        }
                        all.push_back(marks);
                    }
                }
            }
        }
    }
    for (const AttributeMarks& marks : all) {
        for (const bool suggested : {false, true}) {
            const MarkPicture picture = suggested ? SuggestedMarksPicture(marks) : StoredMarksPicture(marks);
            int drawn = 0;
            for (int zoom = 1; zoom <= 4; ++zoom) {
                const int last = 16 * zoom - 1;
                for (int y = 0; y <= last; ++y) {
                    for (int x = 0; x <= last; ++x) {
                        if (picture.At(x / zoom, y / zoom) == MarkInk::None) {
                            continue;
                        }
                        ++drawn;
                        ASSERT_TRUE(x > 0 && y > 0 && x < last && y < last)
                            << "type " << marks.TileType << (suggested ? ", suggested" : "") << ", zoom " << zoom
                            << ": screen pixel " << x << "," << y;
                    }
                }
            }
            EXPECT_GT(drawn, 0);  // a suggested tile has its corner, a stored one something here
            if (suggested) {
                continue;
            }
            const std::array<std::pair<int, int>, 4> barMiddles{{{8, 1}, {14, 8}, {8, 14}, {1, 8}}};
            for (std::size_t side = 0; side < 4; ++side) {
                const AttributeMarks::Side& mark = marks.Sides[side];
                const auto [x, y] = barMiddles[side];
                if (mark.BlockingKind > 0 && marks.TileType < 100 &&
                    !std::any_of(marks.Sides.begin(), marks.Sides.end(), [](const auto& s) { return s.Sloped; })) {
                    EXPECT_EQ(static_cast<int>(picture.At(x, y)),
                              static_cast<int>(MarkInk::Blocking1) + mark.BlockingKind - 1);
                }
                if (mark.Sloped && marks.TileType == 0) {
                    EXPECT_EQ(picture.At(1, levelRows[mark.SlopeLeft]), MarkInk::Slope) << mark.SlopeLeft;
                    EXPECT_EQ(picture.At(14, levelRows[mark.SlopeRight]), MarkInk::Slope) << mark.SlopeRight;
                }
            }
        }
    }
}

}  // namespace
}  // namespace mosalind
