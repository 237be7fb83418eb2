// The sample sheet's terrain: ground sets and slopes, solid blocks, platforms, ladders, ropes
// and vines.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

// --- Ground sets and slopes ----------------------------------------------------------------------

struct Ground {
  const char* name;
  Colour top, topShade, body, speckle, fleck, edge;
  int seed;
};

constexpr Ground kGrass{"grass", Green, DarkGreen, Brown, DarkBrown, Orange, DarkBrown, 11};
constexpr Ground kSnow{"snow", White, Ice, Grey, DarkGrey, White, DarkGrey, 23};
constexpr Ground kSand{"sand", Yellow, Orange, Orange, Brown, Red, Brown, 37};

Cell groundTile(const Ground& g, bool top, bool left, bool right, bool bottom, int variant = 0);

// Ground below a straight line from level `left` on the left edge to level `right` on the right
// edge; level 0 is the top of the cell, level 4 the bottom, one level a quarter of a cell.
Cell slopeTile(const Ground& g, int left, int right);

// --- Solid blocks --------------------------------------------------------------------------------

Cell bricks(Colour face, Colour light, Colour shade, Colour mortar);
Cell mossyBricks();
Cell castleStone();
Cell stoneBlock(bool cracked);
Cell cobbles();
Cell metalPlate();
Cell hazardStripes();
Cell crate();
Cell planks();
Cell iceBlock();
Cell bonusBlock();
Cell pillar(int part);  // 0 top, 1 middle, 2 bottom

// --- Platforms -----------------------------------------------------------------------------------

Cell woodPlatform(int part);  // 0 left end, 1 middle, 2 right end
Cell girder(int part);
Cell stoneLedge(int part);
Cell ropeBridge();
Cell cloudPlatform();
Cell grating();

// --- Ladders, ropes, vines -----------------------------------------------------------------------

Cell ladder(Cell c, int firstRung);
Cell ladderTop();
Cell rope();
Cell chain();
Cell vine(bool end);

}  // namespace sample_sheet
