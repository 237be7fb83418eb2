#pragma once

#include <cstdint>
#include <optional>

namespace mosalind {

// Slope levels run from 0 (top edge of the tile) to 4 (bottom edge), a quarter of the
// tile height apart. A side word carries the slope in bits 2-7: bit 7 "this side carries
// it", bit 6 rising, bits 4-5 steepness (0: 4 levels, 1: 2 levels, 2: 1 level), bits 2-3
// the start level (the left level, or the left level minus 1 for a rising slope).
constexpr int kLowestSlopeLevel = 4;
constexpr std::uint8_t kSlopeCarriedBit = 128;

// The slope byte for a (left, right) level pair, or nothing when the pair has no
// encoding: equal levels, levels 3 apart, a level outside 0 to 4.
std::optional<std::uint8_t> EncodeSlope(int left, int right);

// A side word after SET SLOPE: its blocking kind kept, its slope bits replaced by
// `slopeByte` when the side carries the slope and cleared otherwise.
std::int16_t WithSlope(std::int16_t sideWord, bool carriesSlope, std::uint8_t slopeByte);

// What showing one side word does to the side box and the pending levels.
struct SideSlope {
    bool CarriesSlope = false;  // the side box is checked
    int Left = 0;               // the pending levels afterwards
    int Right = 0;
};

// Decodes a side word; a side without slope leaves the levels as they were. Slope kinds
// 3 and 7 (never written by the editor) set the left level and keep the right one.
SideSlope DecodeSideSlope(std::int16_t sideWord, int left, int right);

// The (left, right) levels a side word's slope says, when it says any: bit 7 set and bits
// 2-6 decoding to a pair of levels whose encoding gives those very bits back. Nothing for
// a side without slope, and for bits no slope is encoded as (kinds 3 and 7, a level
// outside 0 to 4), which the slope editor shows only in part.
struct SlopeLevels {
    int Left = 0;
    int Right = 0;
};
std::optional<SlopeLevels> ReadableSlope(std::int16_t sideWord);

// The level a click at height y picks in a view `scaleHeight` pixels high: 5y rounded
// (halves to even), divided by the rounded height, truncated; kept within 0 to 4 so that
// a press on the view's edge still picks the nearest level. Nothing for a view without
// height.
std::optional<int> LevelAtClick(double y, double scaleHeight);

// Whether a click at x sets the left level (left of the middle column) or the right one.
bool ClickSetsLeftLevel(double x, double scaleWidth);

// The pixel row of a level in a view `scaleHeight` pixels high: level x height, rounded,
// divided by 4, truncated.
int LineRowForLevel(int level, double scaleHeight);

}  // namespace mosalind
