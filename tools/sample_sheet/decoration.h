// The sample sheet's decoration: plants, trees, fences, pipes and score digits.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

Cell flower(Colour petal, Colour centre);
Cell grassTuft();
Cell bush();
Cell berryBush();
Cell mushrooms();
Cell rock();
Cell treeCrown();
Cell treeTrunk(bool base);
Cell fence();
Cell skull();
Cell barrel();
Cell cobweb();
Cell pipeStraight();

// Quarter bend joining the right edge and the bottom edge.
Cell pipeBend();
Cell scoreDigit(int digit);

}  // namespace sample_sheet
