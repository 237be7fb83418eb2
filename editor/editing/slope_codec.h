#pragma once

#include <cstdint>
#include <optional>

#include "document/tile_collision.h"

namespace mosalind {

// The slope editor's view arithmetic. The slope's bits in a side word and their levels are
// the tile's collision (document/tile_collision.h).

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
