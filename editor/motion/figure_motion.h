#pragma once

#include <string>

#include "document/motion_parameters.h"
#include "document/tile_set.h"
#include "document/try_map.h"

namespace mosalind {

// The figure is a box 12 pixels wide and 24 high at any sub-pixel position in map pixels
// (pixel (0, 0) the map's top-left corner, y growing downwards).
constexpr double kFigureWidth = 12;
constexpr double kFigureHeight = 24;

// What holds the figure: nothing, a flat top, or a slope's line under its centre.
enum class FigureState { Air, Ground, Slope };

// The keys held during one step.
struct FigureKeys {
    bool Left = false;
    bool Right = false;
    bool Jump = false;
};

struct Figure {
    double Left = 0;  // the box's left and top edges
    double Top = 0;
    double Vx = 0;  // pixels per step
    double Vy = 0;
    FigureState State = FigureState::Air;
    // The set tile under the feet: while on a slope the sloped tile, otherwise the tile of
    // the cell holding the point one pixel below the middle of the bottom edge; -1 for none.
    int TileUnderFeet = kNoMapTile;

    double CentreX() const { return Left + kFigureWidth / 2; }
    double Bottom() const { return Top + kFigureHeight; }
};

// The figure at its start, at rest, held by whatever its feet stand on there.
Figure FigureAtStart(const TileSet& set, const TryMap& map, FigureStart start);

// One step of 1/60 s with `keys` held: run, jump, gravity, then the set's sides and slopes
// stop the box; standing on or overlapping a "Kills" tile puts it back at `start`. A map
// cell holding a tile the set does not have counts as no tile.
void StepFigure(const TileSet& set, const TryMap& map, const MotionParameters& parameters, FigureStart start,
                Figure& figure, FigureKeys keys);

// The state's word: "air", "ground", "slope".
const char* FigureStateWord(FigureState state);

// The tile type text of the tile under the feet as the tile type list shows it ("Nothing"
// for no tile).
std::string TypeUnderFeet(const TileSet& set, const Figure& figure);

// One line of a trace, without its line break: `step left top vx vy state tile type`, the
// numbers with two decimals.
std::string FigureTraceLine(const TileSet& set, const Figure& figure, long long step);

}  // namespace mosalind
