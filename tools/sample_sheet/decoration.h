// The sample sheet's decoration: plants, trees, fences, pipes and score digits.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

Cell Flower(Colour petal, Colour centre);
Cell GrassTuft();
Cell Bush();
Cell BerryBush();
Cell Mushrooms();
Cell Rock();
Cell TreeCrown();
Cell TreeTrunk(bool base);
Cell Fence();
Cell Skull();
Cell Barrel();
Cell Cobweb();
Cell PipeStraight();

// Quarter bend joining the right edge and the bottom edge.
Cell PipeBend();
Cell ScoreDigit(int digit);

}  // namespace sample_sheet
