// The sample sheet's backgrounds: sky, clouds, night, cave and back walls.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

Cell CaveWall();
Cell BackWall();

// A three-cell cloud drawn in a 48-pixel strip; `offset` picks the cell.
Cell CloudPart(int offset);
Cell SmallCloud();
Cell NightSky(bool many);
Cell Moon();
Cell CaveRocks();
Cell BackWindow();
Cell CaveCrystals();

}  // namespace sample_sheet
