// The sample sheet's backgrounds: sky, clouds, night, cave and back walls.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

Cell caveWall();
Cell backWall();

// A three-cell cloud drawn in a 48-pixel strip; `offset` picks the cell.
Cell cloudPart(int offset);
Cell smallCloud();
Cell nightSky(bool many);
Cell moon();
Cell caveRocks();
Cell backWindow();
Cell caveCrystals();

}  // namespace sample_sheet
