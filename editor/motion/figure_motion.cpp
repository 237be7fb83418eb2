#include "motion/figure_motion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "document/tile_collision.h"
#include "editing/tile_type_list.h"

namespace mosalind {

bool AreUsableParameters(const MotionParameters& p) {
    for (const double value : {p.Gravity, p.MaxFall, p.RunSpeed, p.RunAcceleration, p.JumpSpeed, p.Friction,
                               p.FrictionSlippery, p.FrictionIcy}) {
        if (!(value >= 0 && value <= kMaxMotionParameter)) {
            return false;
        }
    }
    return true;
}

namespace {

constexpr double kCell = kTryCellSize;
// Positions closer than this count as touching: a box resting on an edge does not overlap it.
constexpr double kTouch = 1e-6;
// How far the box's lower corners may reach past the slope its centre stands on: half the
// box over the steepest slope (one pixel down per pixel across), plus a pixel. Within it, a
// step up from a slope onto the next slope or onto a top at the slope's end level is walked,
// not bumped into.
constexpr double kCornerAllowance = kFigureWidth / 2 + 1;

enum Side { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };

// One side of a tile as the figure feels it: the blocking kind (0 lets the figure through)
// and the slope the side carries, along whose line a top or bottom holds the box.
struct SideFeel {
    int Kind = 0;
    std::optional<SlopeLevels> Slope;
    bool Blocks() const { return Kind != 0; }
};

// The set's tiles laid out on the map.
class World {
public:
    World(const TileSet& set, const TryMap& map)
        : set_(set), map_(map), tileCount_(std::clamp<int>(set.Header.TileCount, 0, kMaxTiles)) {}

    // The set tile of a cell; -1 for no tile, outside the map, or a number the set lacks.
    int Tile(int column, int row) const {
        const int tile = map_.At(column, row);
        return tile >= 0 && tile < tileCount_ ? tile : kNoMapTile;
    }

    SideFeel Feel(int column, int row, Side side) const {
        const int tile = Tile(column, row);
        if (tile < 0) {
            return {};
        }
        const SideCollision feel = ReadTileCollision(set_, tile).Sides[static_cast<std::size_t>(side)];
        return {feel.Blocking, feel.Slope};
    }

    std::int16_t TypeOf(int tile) const {
        return tile >= 0 && tile < tileCount_ ? set_.TileAttributes[0][static_cast<std::size_t>(tile)] : 0;
    }

private:
    const TileSet& set_;
    const TryMap& map_;
    int tileCount_;
};

int CellOf(double pixel) {
    return static_cast<int>(std::floor(pixel / kCell));
}

// The cells a span [from, to) of pixels overlaps by more than a touch.
int FirstCell(double from) {
    return CellOf(from + kTouch);
}
int LastCell(double to) {
    return CellOf(to - kTouch);
}

// The height of a slope's line at map x, taken at the nearest end for an x beyond the tile.
double LineAt(const SlopeLevels& levels, int column, int row, double x) {
    const double across = std::clamp(x - column * kCell, 0.0, kCell) / kCell;
    const double level = levels.Left + (levels.Right - levels.Left) * across;
    return row * kCell + level * kCell / kLowestSlopeLevel;
}

// A top or bottom that holds the box, and where.
struct Surface {
    double Y = 0;
    int Column = 0;
    int Row = 0;
    bool UnderCentre = false;  // a slope whose line lies under (or over) the box's centre
    bool Sloped = false;
    int Kind = 0;
};

double Approach(double value, double target, double step) {
    return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

// The floor the box's bottom meets between `from` and `to` (from <= to), standing with its
// left edge at `left`: the highest top in reach, except that a slope under the centre holds
// the box on its line when the higher tops lie within the corners' allowance above it.
// `slopeBelow` lets a slope under the centre catch a bottom that is already that far under
// its line (the box came in from the side).
std::optional<Surface> FloorBetween(const World& world, double left, double from, double to, double slopeBelow) {
    const double centre = left + kFigureWidth / 2;
    std::optional<Surface> highest;
    std::optional<Surface> centreSlope;
    const int firstRow = CellOf(from - slopeBelow) - 1;
    const int lastRow = CellOf(to);
    for (int column = FirstCell(left); column <= LastCell(left + kFigureWidth); ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const SideFeel top = world.Feel(column, row, kTop);
            if (!top.Blocks()) {
                continue;
            }
            Surface surface{row * kCell, column, row, false, top.Slope.has_value(), top.Kind};
            double reach = from - kTouch;
            if (top.Slope) {
                surface.Y = LineAt(*top.Slope, column, row, centre);
                surface.UnderCentre = centre >= column * kCell && centre < (column + 1) * kCell;
                if (surface.UnderCentre) {
                    reach = from - kTouch - slopeBelow;
                }
            }
            if (surface.Y < reach || surface.Y > to) {
                continue;
            }
            if (!highest || surface.Y < highest->Y) {
                highest = surface;
            }
            if (surface.UnderCentre && (!centreSlope || surface.Y < centreSlope->Y)) {
                centreSlope = surface;
            }
        }
    }
    if (centreSlope && centreSlope->Y - highest->Y <= kCornerAllowance) {
        return centreSlope;
    }
    return highest;
}

// The ceiling the box's top meets moving up from `from` to `to` (to < from): the lowest
// bottom side in reach, a sloped one along its line at the box's centre.
std::optional<Surface> CeilingBetween(const World& world, double left, double from, double to) {
    const double centre = left + kFigureWidth / 2;
    std::optional<Surface> lowest;
    for (int column = FirstCell(left); column <= LastCell(left + kFigureWidth); ++column) {
        for (int row = CellOf(to) - 1; row <= CellOf(from); ++row) {
            const SideFeel bottom = world.Feel(column, row, kBottom);
            if (!bottom.Blocks()) {
                continue;
            }
            Surface surface{(row + 1) * kCell, column, row, false, bottom.Slope.has_value(), bottom.Kind};
            if (bottom.Slope) {
                surface.Y = LineAt(*bottom.Slope, column, row, centre);
                surface.UnderCentre = centre >= column * kCell && centre < (column + 1) * kCell;
            }
            if (surface.Y > from + kTouch || surface.Y < to) {
                continue;
            }
            if (!lowest || surface.Y > lowest->Y) {
                lowest = surface;
            }
        }
    }
    return lowest;
}

// Whether a grounded figure walks onto a tile it enters from the side instead of bumping
// into it: a tile whose top (along its line at the entered edge) is no higher above the
// feet than the corners' allowance.
bool WalksOnto(const World& world, const Figure& figure, int column, int row, bool fromLeft) {
    const SideFeel top = world.Feel(column, row, kTop);
    if (!top.Blocks()) {
        return false;
    }
    const double edge = fromLeft ? column * kCell : (column + 1) * kCell;
    const double surface = top.Slope ? LineAt(*top.Slope, column, row, edge) : row * kCell;
    return figure.Bottom() - surface <= kCornerAllowance;
}

// Moves the box across by dx; a side that blocks that way stops it at the tile's edge.
void MoveAcross(const World& world, Figure& figure, double dx, bool grounded) {
    if (dx == 0) {
        return;
    }
    const int firstRow = FirstCell(figure.Top);
    const int lastRow = LastCell(figure.Bottom());
    const bool right = dx > 0;
    const double edgeFrom = right ? figure.Left + kFigureWidth : figure.Left;
    const double edgeTo = edgeFrom + dx;
    // The columns whose near edge the moving edge crosses, nearest first.
    const int first = right ? static_cast<int>(std::ceil((edgeFrom - kTouch) / kCell)) : CellOf(edgeFrom + kTouch) - 1;
    for (int column = first;; column += right ? 1 : -1) {
        const double boundary = right ? column * kCell : (column + 1) * kCell;
        if (right ? boundary >= edgeTo - kTouch : boundary <= edgeTo + kTouch) {
            break;
        }
        for (int row = firstRow; row <= lastRow; ++row) {
            if (world.Feel(column, row, right ? kLeft : kRight).Blocks() &&
                !(grounded && WalksOnto(world, figure, column, row, right))) {
                figure.Left = right ? boundary - kFigureWidth : boundary;
                figure.Vx = 0;
                return;
            }
        }
    }
    figure.Left += dx;
}

// Sets the figure on `surface` (or in the air without one) and names the tile under its feet.
void Hold(const World& world, Figure& figure, const std::optional<Surface>& surface) {
    if (surface) {
        figure.Top = surface->Y - kFigureHeight;
        figure.Vy = 0;
        figure.State = surface->UnderCentre ? FigureState::Slope : FigureState::Ground;
    } else {
        figure.State = FigureState::Air;
    }
    if (surface && surface->UnderCentre) {
        figure.TileUnderFeet = world.Tile(surface->Column, surface->Row);
    } else {
        figure.TileUnderFeet = world.Tile(CellOf(figure.CentreX()), CellOf(figure.Bottom() + 1));
    }
}

// Whether standing on `floor` would lift the box's top into a ceiling.
bool LiftsIntoCeiling(const World& world, const Figure& figure, const std::optional<Surface>& floor) {
    return floor && floor->Y < figure.Bottom() &&
           CeilingBetween(world, figure.Left, figure.Top, floor->Y - kFigureHeight).has_value();
}

// The floor, where the box has room to stand on it. Under a ceiling a slope lifts it by no
// more than a pixel (it stands where it is, on the line within that pixel); a floor further
// up is none.
std::optional<Surface> WithinHeadroom(const World& world, const Figure& figure, std::optional<Surface> floor) {
    if (!LiftsIntoCeiling(world, figure, floor)) {
        return floor;
    }
    if (figure.Bottom() - floor->Y <= 1) {
        floor->Y = figure.Bottom();
        return floor;
    }
    return std::nullopt;
}

// A slope the box ran into from the side in the air: its bottom was on or above the line
// under its centre and is now below the line of that tile, which holds it (where there is
// room above, or with `headroom` false, anyway).
std::optional<Surface> SlopeRunInto(const World& world, const Figure& figure, double bottomBefore, double centreBefore,
                                    bool headroom = true) {
    const double centre = figure.CentreX();
    const int column = CellOf(centre);
    if (CellOf(centreBefore) != column) {
        return std::nullopt;
    }
    std::optional<Surface> highest;
    for (int row = CellOf(figure.Bottom() - kCell - kCornerAllowance); row <= CellOf(figure.Bottom()); ++row) {
        const SideFeel top = world.Feel(column, row, kTop);
        if (!top.Blocks() || !top.Slope) {
            continue;
        }
        const double line = LineAt(*top.Slope, column, row, centre);
        if (bottomBefore <= LineAt(*top.Slope, column, row, centreBefore) + kTouch && figure.Bottom() > line + kTouch &&
            (!highest || line < highest->Y)) {
            highest = Surface{line, column, row, true, true, top.Kind};
        }
    }
    return headroom ? WithinHeadroom(world, figure, highest) : highest;
}

// Moves the box in the air by its vertical speed: a ceiling stops it on the way up, a floor
// on the way down (returned; the caller sets the box on it).
std::optional<Surface> MoveUpOrDown(const World& world, Figure& figure) {
    std::optional<Surface> floor;
    if (figure.Vy > 0) {
        // A slope may catch a box that came in a little under its line from the side;
        // where there is no room above, the tops below the feet still hold.
        const auto floorBelow = [&](double slopeBelow) {
            return WithinHeadroom(
                world, figure,
                FloorBetween(world, figure.Left, figure.Bottom(), figure.Bottom() + figure.Vy, slopeBelow));
        };
        floor = floorBelow(kCornerAllowance + std::abs(figure.Vx));
        if (!floor) {
            floor = floorBelow(0);
        }
    } else if (figure.Vy < 0) {
        if (const std::optional<Surface> ceiling =
                CeilingBetween(world, figure.Left, figure.Top, figure.Top + figure.Vy)) {
            figure.Top = ceiling->Y;
            figure.Vy = 0;
        }
    }
    if (!floor) {
        figure.Top += figure.Vy;
    }
    return floor;
}

// Whether the box overlaps a "Kills" tile or stands on one.
bool TouchesKills(const World& world, const Figure& figure) {
    constexpr std::int16_t kKills = 1;
    if (figure.State != FigureState::Air && world.TypeOf(figure.TileUnderFeet) == kKills) {
        return true;
    }
    for (int column = FirstCell(figure.Left); column <= LastCell(figure.Left + kFigureWidth); ++column) {
        for (int row = FirstCell(figure.Top); row <= LastCell(figure.Bottom()); ++row) {
            if (world.TypeOf(world.Tile(column, row)) == kKills) {
                return true;
            }
        }
    }
    return false;
}

double FrictionOf(const MotionParameters& parameters, int kind) {
    return kind == 2 ? parameters.FrictionSlippery : kind == 3 ? parameters.FrictionIcy : parameters.Friction;
}

}  // namespace

Figure FigureAtStart(const TileSet& set, const TryMap& map, FigureStart start) {
    const World world(set, map);
    Figure figure;
    figure.Left = start.Column * kCell + (kCell - kFigureWidth) / 2;
    figure.Top = (start.Row + 1) * kCell - kFigureHeight;
    const std::optional<Surface> floor = FloorBetween(world, figure.Left, figure.Bottom(), figure.Bottom(), 0);
    Hold(world, figure, floor);
    return figure;
}

void StepFigure(const TileSet& set, const TryMap& map, const MotionParameters& parameters, FigureStart start,
                Figure& figure, FigureKeys keys) {
    const World world(set, map);
    bool grounded = figure.State != FigureState::Air;
    // The top under the feet sets the friction (no tile reads as no collision).
    const int groundKind = grounded ? ReadTileCollision(set, figure.TileUnderFeet).Sides[kTop].Blocking : 0;

    const int direction = (keys.Right ? 1 : 0) - (keys.Left ? 1 : 0);
    if (direction != 0) {
        figure.Vx = Approach(figure.Vx, direction * parameters.RunSpeed, parameters.RunAcceleration);
    } else {
        figure.Vx = Approach(figure.Vx, 0, FrictionOf(parameters, grounded ? groundKind : 1));
    }
    if (keys.Jump && grounded) {
        figure.Vy = -parameters.JumpSpeed;
        grounded = false;
    }

    const double leftBefore = figure.Left;
    const double bottomBefore = figure.Bottom();
    const double centreBefore = figure.CentreX();
    MoveAcross(world, figure, figure.Vx, grounded);

    if (grounded) {
        // Follow the ground: up or down a slope, onto the next tile, never up into a ceiling.
        // A slope lifts or drops the feet by at most the distance run (the steepest one a
        // pixel a pixel), the corners' allowance besides. Climbing stays below a cell's
        // height, so that a fast figure never steps up onto the next row.
        const double run = std::abs(figure.Vx);
        const double up = kCornerAllowance + std::min(run, kCornerAllowance);
        const double down = kCornerAllowance + run;
        const auto floorNear = [&] {
            return FloorBetween(world, figure.Left, figure.Bottom() - up, figure.Bottom() + down, 0);
        };
        std::optional<Surface> floor = floorNear();
        if (LiftsIntoCeiling(world, figure, floor)) {
            // No room to climb there: the figure stays where it stood.
            figure.Left = leftBefore;
            figure.Vx = 0;
            floor = WithinHeadroom(world, figure, floorNear());
        }
        if (floor) {
            Hold(world, figure, floor);
        } else {
            figure.Vy = 0;
            grounded = false;
        }
    }
    if (!grounded) {
        figure.Vy = std::min(figure.Vy + parameters.Gravity, parameters.MaxFall);
        const Figure across = figure;
        std::optional<Surface> floor = MoveUpOrDown(world, figure);
        if (!floor) {
            floor = SlopeRunInto(world, figure, bottomBefore, centreBefore);
            if (!floor && SlopeRunInto(world, figure, bottomBefore, centreBefore, false)) {
                // No room above that slope: the box stays beside it, and rises or falls there.
                figure = across;
                figure.Left = leftBefore;
                figure.Vx = 0;
                floor = MoveUpOrDown(world, figure);
            }
        }
        Hold(world, figure, floor);
    }

    if (TouchesKills(world, figure)) {
        figure = FigureAtStart(set, map, start);
    }
}

const char* FigureStateWord(FigureState state) {
    switch (state) {
        case FigureState::Ground:
            return "ground";
        case FigureState::Slope:
            return "slope";
        case FigureState::Air:
            break;
    }
    return "air";
}

std::string TypeUnderFeet(const TileSet& set, const Figure& figure) {
    const int tileCount = std::clamp<int>(set.Header.TileCount, 0, kMaxTiles);
    if (figure.TileUnderFeet < 0 || figure.TileUnderFeet >= tileCount) {
        return kTileTypeRows[0];
    }
    const std::int16_t type = set.TileAttributes[0][static_cast<std::size_t>(figure.TileUnderFeet)];
    return kTileTypeRows[static_cast<std::size_t>(RowForTileType(type, kTileTypeRowCount))];
}

std::string FigureTraceLine(const TileSet& set, const Figure& figure, long long step) {
    // Two decimals, and no "-0.00" for a value that rounds to zero.
    const auto number = [](double value) {
        char text[48];
        std::snprintf(text, sizeof text, "%.2f", std::abs(value) < 0.005 ? 0.0 : value);
        return std::string(text);
    };
    return std::to_string(step) + ' ' + number(figure.Left) + ' ' + number(figure.Top) + ' ' + number(figure.Vx) + ' ' +
           number(figure.Vy) + ' ' + FigureStateWord(figure.State) + ' ' + std::to_string(figure.TileUnderFeet) + ' ' +
           TypeUnderFeet(set, figure);
}

}  // namespace mosalind
