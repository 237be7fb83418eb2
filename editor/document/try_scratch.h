#pragma once

#include "document/motion_parameters.h"
#include "document/try_map.h"

namespace mosalind {

// What the Try window works on besides the set: its scratch map, the cell the figure starts
// in and how the figure moves. The editing session holds it, so that it is kept with the
// set's unsaved edits and comes back with them.
struct TryScratch {
    TryMap Map = TryMap::Empty(kDefaultTryColumns, kDefaultTryRows);
    FigureStart Start{2, kDefaultTryRows - 3};
    MotionParameters Parameters;

    bool operator==(const TryScratch&) const = default;
};

}  // namespace mosalind
