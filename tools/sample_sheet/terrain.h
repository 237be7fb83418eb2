// The sample sheet's terrain: ground sets and slopes, solid blocks, platforms, ladders, ropes
// and vines.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

// --- Ground sets and slopes ----------------------------------------------------------------------

struct Ground {
    const char* Name;
    Colour Top, TopShade, Body, Speckle, Fleck, Edge;
    int Seed;
};

constexpr Ground kGrass{"grass", Green, DarkGreen, Brown, DarkBrown, Orange, DarkBrown, 11};
constexpr Ground kSnow{"snow", White, Ice, Grey, DarkGrey, White, DarkGrey, 23};
constexpr Ground kSand{"sand", Yellow, Orange, Orange, Brown, Red, Brown, 37};

Cell GroundTile(const Ground& g, bool top, bool left, bool right, bool bottom, int variant = 0);

// Ground below a straight line from level `left` on the left edge to level `right` on the right
// edge; level 0 is the top of the cell, level 4 the bottom, one level a quarter of a cell.
Cell SlopeTile(const Ground& g, int left, int right);

// --- Solid blocks --------------------------------------------------------------------------------

Cell Bricks(Colour face, Colour light, Colour shade, Colour mortar);
Cell MossyBricks();
Cell CastleStone();
Cell StoneBlock(bool cracked);
Cell Cobbles();
Cell MetalPlate();
Cell HazardStripes();
Cell Crate();
Cell Planks();
Cell IceBlock();
Cell BonusBlock();
Cell Pillar(int part);  // 0 top, 1 middle, 2 bottom

// --- Platforms -----------------------------------------------------------------------------------

Cell WoodPlatform(int part);  // 0 left end, 1 middle, 2 right end
Cell Girder(int part);
Cell StoneLedge(int part);
Cell RopeBridge();
Cell CloudPlatform();
Cell Grating();

// --- Ladders, ropes, vines -----------------------------------------------------------------------

Cell Ladder(Cell c, int firstRung);
Cell LadderTop();
Cell Rope();
Cell Chain();
Cell Vine(bool end);

}  // namespace sample_sheet
