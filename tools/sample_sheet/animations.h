// The sample sheet's animation sequences, one cell per frame.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

Cell coin(int frame);
Cell torch(int frame);
Cell sparkleGem(int frame);
Cell conveyor(int frame);
Cell flag(int frame);

// Streaks fall four pixels a frame and repeat after sixteen, so the four frames loop.
Cell waterfall(int frame);
Cell sawBlade(int frame);
Cell waterSurface(int frame);
Cell lavaSurface(int frame);

}  // namespace sample_sheet
