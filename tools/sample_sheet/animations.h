// The sample sheet's animation sequences, one cell per frame.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

Cell Coin(int frame);
Cell Torch(int frame);
Cell SparkleGem(int frame);
Cell Conveyor(int frame);
Cell Flag(int frame);

// Streaks fall four pixels a frame and repeat after sixteen, so the four frames loop.
Cell Waterfall(int frame);
Cell SawBlade(int frame);
Cell WaterSurface(int frame);
Cell LavaSurface(int frame);

}  // namespace sample_sheet
