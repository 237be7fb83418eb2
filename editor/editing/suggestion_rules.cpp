#include "editing/suggestion_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/tile_collision.h"
#include "editing/cell_grid.h"
#include "editing/sheet_features.h"

namespace mosalind {

namespace {

constexpr int kSide = kCellSize;   // 16 pixels a side
constexpr int kBlocksAtEdge = 12;  // lines the body reaches the edge in that make a side block
constexpr int kReach = 4;          // pixels from the edge within which the body reaches it
// The share of the half of the tile behind a side that must be solid for it to block, as
// {numerator, denominator}: measured over a thousand tiles of a game's own art, solid tiles
// are at least this solid in every half, decoration (foliage, signs, poles, thin trims)
// seldom is; any share from 0.65 to 0.75 tells them apart alike. The top blocks over a
// ledge a level deep (half its half): a platform is stood on however thin it is drawn.
constexpr std::array<int, 2> kBodyShare{2, 3};
constexpr std::array<int, 2> kLedgeShare{1, 2};
constexpr int kBlocking = 1;

// A straight line across the tile, by the pixel rows where it meets the tile's left edge
// (x = 0) and right edge (x = 16); column x is at x + 0.5.
struct SurfaceLine {
    double Left = 0;
    double Right = 0;

    double At(int column) const { return Left + (Right - Left) * (column + 0.5) / kSide; }
};

constexpr double kLineTolerance = 3.0;  // pixels a column's surface may lie off the line
constexpr int kColumnsOnLine = 12;      // columns that must lie on it
constexpr double kMeanOffLine = 1.5;    // their mean distance from it at most
constexpr double kPastTheTile = 2.0;    // an end this far past the tile is its edge level

// The least-squares line through the surfaces of the columns in `use` (two or more).
SurfaceLine LeastSquares(const std::array<int, kSide>& rows, const std::bitset<kSide>& use) {
    double n = 0;
    double sx = 0;
    double sy = 0;
    double sxx = 0;
    double sxy = 0;
    for (int x = 0; x < kSide; ++x) {
        if (use.test(static_cast<std::size_t>(x))) {
            const double cx = x + 0.5;
            n += 1;
            sx += cx;
            sy += rows[x];
            sxx += cx * cx;
            sxy += cx * rows[x];
        }
    }
    const double gradient = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double offset = (sy - gradient * sx) / n;
    return {offset, offset + gradient * kSide};
}

// The columns within the tolerance of `line`.
std::bitset<kSide> OnLine(const std::array<int, kSide>& rows, const SurfaceLine& line) {
    std::bitset<kSide> on;
    for (int x = 0; x < kSide; ++x) {
        on.set(static_cast<std::size_t>(x), std::abs(rows[x] - line.At(x)) <= kLineTolerance);
    }
    return on;
}

double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0) {
        return *middle;
    }
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

// The line most columns' surfaces lie on, when they make one: the median of the gradients
// between every two columns and the median offset under it (a few stray columns, tufts
// above the surface or a notch in it, cannot pull it), then least squares through the
// columns near it. Nothing when fewer than 12 columns lie within 3 pixels of it or they
// lie 1.5 pixels from it on average: a jagged or humped surface, no line at all.
std::optional<SurfaceLine> RobustLine(const std::array<int, kSide>& rows) {
    std::vector<double> gradients;
    for (int a = 0; a < kSide; ++a) {
        for (int b = a + 1; b < kSide; ++b) {
            gradients.push_back(static_cast<double>(rows[b] - rows[a]) / (b - a));
        }
    }
    const double gradient = Median(gradients);
    std::vector<double> offsets;
    for (int x = 0; x < kSide; ++x) {
        offsets.push_back(rows[x] - gradient * (x + 0.5));
    }
    const double offset = Median(offsets);
    SurfaceLine line{offset, offset + gradient * kSide};
    std::bitset<kSide> on = OnLine(rows, line);
    for (int round = 0; round < 2 && static_cast<int>(on.count()) >= kColumnsOnLine; ++round) {
        line = LeastSquares(rows, on);
        on = OnLine(rows, line);
    }
    if (static_cast<int>(on.count()) < kColumnsOnLine) {
        return std::nullopt;
    }
    double off = 0;
    for (int x = 0; x < kSide; ++x) {
        off += on.test(static_cast<std::size_t>(x)) ? std::abs(rows[x] - line.At(x)) : 0;
    }
    if (off > kMeanOffLine * static_cast<double>(on.count())) {
        return std::nullopt;
    }
    return line;
}

// The level of a row where the line meets a tile edge: within the tile, or at most 2 pixels
// past it (then the edge's level), divided by 4 and rounded, halves to the even level.
std::optional<int> EdgeLevel(double row) {
    if (row < -kPastTheTile || row > kSide + kPastTheTile) {
        return std::nullopt;
    }
    return static_cast<int>(std::nearbyint(std::clamp(row, 0.0, static_cast<double>(kSide)) / 4));
}

// The levels of a surface that is no line but goes one way only from one side to the other
// (a pixel back is noise): a curve such as a pipe's bend, or a slope steeper than the tile.
// It must change by at least 6 pixels, never by more than half of that from one column to
// the next (that is a step, a wall's corner). A change of 12 pixels or more, or of 8 at
// more than 1.4 pixels a column where it changes, is the full-height slope; a smaller one
// the 2-level slope from the level of its highest end.
std::optional<std::pair<int, int>> OneWayLevels(const std::array<int, kSide>& rows) {
    for (const int direction : {-1, 1}) {  // -1: the surface climbs to the right (rising)
        bool oneWay = true;
        int first = -1;
        int last = -1;
        int largest = 0;
        for (int x = 1; x < kSide && oneWay; ++x) {
            const int change = (rows[x] - rows[x - 1]) * direction;
            oneWay = change >= -1;
            largest = std::max(largest, change);
            if (change > 0) {
                first = first < 0 ? x - 1 : first;
                last = x;
            }
        }
        const int total = (rows[kSide - 1] - rows[0]) * direction;
        if (!oneWay || total < 6 || 2 * largest > total) {
            continue;
        }
        const bool rises = direction < 0;
        if (total >= 12 || (total >= 8 && 10 * total > 14 * (last - first))) {
            return rises ? std::pair{kLowestSlopeLevel, 0} : std::pair{0, kLowestSlopeLevel};
        }
        const int high = std::clamp(static_cast<int>(std::nearbyint(std::min(rows[0], rows[kSide - 1]) / 4.0)), 0, 2);
        return rises ? std::pair{high + 2, high} : std::pair{high, high + 2};
    }
    return std::nullopt;
}

// The levels of a slope that meets level ground at the tile's top edge: the surface lies
// along the top edge at one end (the ground the slope comes up to; the slope's own line
// runs past the tile there) and slopes steadily the other way on the rest, at least 7
// columns without the ones at that end with no surface (`drawn`). Its steepness is the drawn
// part's: its line across the whole tile, 12 pixels or more the full height, else its
// height in levels (1 or 2); the end at the top edge is level 0. Nothing when the surface
// does not meet the top edge at one end only, or its drawn part is no line going one way.
std::optional<std::pair<int, int>> MeetingTheTopLevels(const std::array<int, kSide>& rows) {
    const auto runAtTop = [&rows](int from, int step) {
        int count = 0;
        for (int x = from; x >= 0 && x < kSide && rows[x] == 0; x += step) {
            ++count;
        }
        return count;
    };
    const int topLeft = runAtTop(0, 1);
    const int topRight = runAtTop(kSide - 1, -1);
    if ((topLeft == 0) == (topRight == 0)) {
        return std::nullopt;
    }
    int first = topLeft;
    int last = kSide - 1 - topRight;
    // Columns with no surface at the far end: the slope goes below the tile there.
    while (first <= last && rows[topLeft > 0 ? last : first] == kSide) {
        topLeft > 0 ? --last : ++first;
    }
    constexpr int kDrawnColumns = 7;
    if (last - first + 1 < kDrawnColumns) {
        return std::nullopt;
    }
    const int away = topLeft > 0 ? 1 : -1;  // the way the surface goes down from the top
    std::bitset<kSide> drawn;
    for (int x = first; x <= last; ++x) {
        drawn.set(static_cast<std::size_t>(x));
        if (x > first && (rows[x] - rows[x - 1]) * away < -1) {
            return std::nullopt;  // not one way: a pixel back is noise
        }
    }
    const SurfaceLine line = LeastSquares(rows, drawn);
    double off = 0;
    for (int x = first; x <= last; ++x) {
        const double distance = std::abs(rows[x] - line.At(x));
        if (distance > kLineTolerance) {
            return std::nullopt;
        }
        off += distance;
    }
    const double height = (line.Right - line.Left) * away;
    if (off > kMeanOffLine * (last - first + 1) || height <= 0) {
        return std::nullopt;
    }
    const int steepness =
        height >= 12 ? kLowestSlopeLevel : std::clamp(static_cast<int>(std::nearbyint(height / 4)), 0, 2);
    if (steepness == 0) {
        return std::nullopt;
    }
    return topLeft > 0 ? std::pair{0, steepness} : std::pair{steepness, 0};
}

// The levels a slope can carry, when a side can carry them: not flat, not 3 apart, within
// the tile.
std::optional<SlopeLevels> Carriable(int left, int right) {
    const SlopeLevels levels{left, right};
    if (SideCollision::FromWord(SideCollision{.Blocking = 0, .Slope = levels, .OtherBits = 0}.Word()).Slope == levels) {
        return levels;
    }
    return std::nullopt;
}

// The slope the surfaces make, with rows counted from the top: a line a slope can
// carry (the levels 3 apart taken as the nearer of 2 or 4 apart by the line's own height),
// the full-height slope of the same direction for a line steeper than the tile holds, or
// a surface that is no line but goes one way. Nothing for a flat surface, a line past the
// tile and a surface that is no line and goes both ways.
std::optional<SlopeLevels> FittedSlope(std::array<int, kSide> rows) {
    // A surface drawn in fewer than half the columns is no slope: a stone or a pole's end in
    // a corner of the tile, sky over the rest.
    if (2 * std::count(rows.begin(), rows.end(), kSide) > kSide) {
        return std::nullopt;
    }
    if (const std::optional<std::pair<int, int>> top = MeetingTheTopLevels(rows)) {
        return Carriable(top->first, top->second);
    }
    // A surface on one row in as many columns as make a line is flat: a block's rounded
    // corner or a notch, no slope.
    const auto flat = [](const std::array<int, kSide>& surface) {
        const double middle = Median(std::vector<double>(surface.begin(), surface.end()));
        return std::count_if(surface.begin(), surface.end(),
                             [middle](int row) { return std::abs(row - middle) <= 0.5; }) >= kColumnsOnLine;
    };
    // A surface going one way from the tile's top to its bottom edge, where columns with no
    // surface count as at the bottom (a quarter circle ending at the bottom's corner), is
    // the full-height slope.
    if (const std::optional<std::pair<int, int>> drawn = OneWayLevels(rows);
        drawn && std::abs(drawn->first - drawn->second) == kLowestSlopeLevel && !flat(rows)) {
        return Carriable(drawn->first, drawn->second);
    }
    // A surface that ends past the tile's middle leaves the columns beyond it without one (a
    // quarter circle, a slope steeper than the tile): they take the least-squares line of
    // the others, so the slope's direction and steepness come from the surface drawn.
    const auto surfaceless = [&rows](int from, int step) {
        int count = 0;
        for (int x = from; x >= 0 && x < kSide && rows[x] == kSide; x += step) {
            ++count;
        }
        return count;
    };
    const int emptyLeft = surfaceless(0, 1);
    const int emptyRight = surfaceless(kSide - 1, -1);
    // Only a surface that comes down to the bottom level where it ends, changes by a level
    // or more and has no step of more than 3 pixels between columns (a body's corner).
    const auto meetsTheBottom = [&rows](int first, int last) {
        bool smooth = true;
        for (int x = first + 1; x <= last; ++x) {
            smooth = smooth && std::abs(rows[x] - rows[x - 1]) <= 3;
        }
        const int end = rows[first > 0 ? first : last];
        return smooth && end >= kSide - 4 && std::abs(rows[last] - rows[first]) >= 4;
    };
    if ((emptyLeft == 0) != (emptyRight == 0) && emptyLeft + emptyRight <= kSide / 2 &&
        meetsTheBottom(emptyLeft, kSide - 1 - emptyRight)) {
        std::bitset<kSide> drawn;
        for (int x = emptyLeft; x < kSide - emptyRight; ++x) {
            drawn.set(static_cast<std::size_t>(x));
        }
        const SurfaceLine chord = LeastSquares(rows, drawn);
        for (int x = 0; x < kSide; ++x) {
            if (!drawn.test(static_cast<std::size_t>(x))) {
                rows[x] = static_cast<int>(std::nearbyint(chord.At(x)));
            }
        }
    }
    if (flat(rows)) {
        return std::nullopt;
    }
    // A surface going one way across the whole tile's height (a quarter circle, round or
    // spiked) is the full-height slope by its chord, whatever line part of it makes.
    const std::optional<std::pair<int, int>> oneWay = OneWayLevels(rows);
    if (oneWay && std::abs(oneWay->first - oneWay->second) == kLowestSlopeLevel) {
        return Carriable(oneWay->first, oneWay->second);
    }
    const std::optional<SurfaceLine> line = RobustLine(rows);
    if (!line) {
        return oneWay ? Carriable(oneWay->first, oneWay->second) : std::nullopt;
    }
    const double height = line->Right - line->Left;
    if (std::abs(height) >= kSide - kPastTheTile) {
        return Carriable(height < 0 ? kLowestSlopeLevel : 0, height < 0 ? 0 : kLowestSlopeLevel);
    }
    std::optional<int> left = EdgeLevel(line->Left);
    std::optional<int> right = EdgeLevel(line->Right);
    if (!left || !right) {
        return std::nullopt;
    }
    if (std::abs(*right - *left) == 3) {
        // Move the end farther from its level toward (2 apart) or away from (4 apart) the other.
        const int wanted = std::abs(height) >= 12 ? 4 : 2;
        const bool moveLeft = std::abs(line->Left - 4 * *left) > std::abs(line->Right - 4 * *right);
        const int sign = *right > *left ? 1 : -1;
        if (moveLeft) {
            left = *right - sign * wanted;
        } else {
            right = *left + sign * wanted;
        }
        if (*left < 0 || *left > kLowestSlopeLevel || *right < 0 || *right > kLowestSlopeLevel) {
            left = sign > 0 ? 0 : kLowestSlopeLevel;
            right = sign > 0 ? kLowestSlopeLevel : 0;
        }
    }
    return Carriable(*left, *right);  // nothing for a flat surface
}

// The surface of each column seen from the top: the first solid row from which down to the
// bottom at least 7/8 of the pixels are solid (16 when there is none). Solid pixels above
// it (a cap of tufts, a stray pixel) do not count.
template <typename Solid>
std::array<int, kSide> Surfaces(const Solid& solid) {
    std::array<int, kSide> surfaces{};
    for (int x = 0; x < kSide; ++x) {
        surfaces[x] = kSide;
        int solidBelow = 0;
        for (int y = kSide - 1; y >= 0; --y) {
            solidBelow += solid(x, y) ? 1 : 0;
            if (solid(x, y) && 8 * solidBelow >= 7 * (kSide - y)) {
                surfaces[x] = y;
            }
        }
    }
    return surfaces;
}

// The slope of a tile's surfaces seen from the top, with `colour` giving each solid pixel's
// colour (-1 for an empty one). When the surfaces make a slope and a cap lies over the
// body (snow, ice, grass: colours drawn within 2 pixels of the surface in at least half of
// the columns, three in four of their pixels or more within half the tile's height under
// it), the cap is not the surface: the slope is the body's, when the body under every
// column makes a steeper one of the same direction (a cap drawn thicker where the ground
// slopes hides its steepness).
template <typename Colour>
std::optional<SlopeLevels> SurfaceSlope(const Colour& colour) {
    const auto solid = [&colour](int x, int y) { return colour(x, y) >= 0; };
    const std::array<int, kSide> surfaces = Surfaces(solid);
    const std::optional<SlopeLevels> slope = FittedSlope(surfaces);
    if (!slope) {
        return slope;
    }
    std::array<int, 16> near{};  // pixels within half the tile's height under the surface
    std::array<int, 16> deep{};  // and deeper
    std::array<int, 16> onTop{};
    for (int x = 0; x < kSide; ++x) {
        std::bitset<16> seen;
        for (int y = surfaces[x]; y < kSide; ++y) {
            if (const int c = colour(x, y); c >= 0) {
                const auto at = static_cast<std::size_t>(c);
                ++(y - surfaces[x] < kSide / 2 ? near : deep)[at];
                seen.set(at, seen.test(at) || y - surfaces[x] <= 2);
            }
        }
        for (std::size_t c = 0; c < onTop.size(); ++c) {
            onTop[c] += seen.test(c) ? 1 : 0;
        }
    }
    std::bitset<16> cap;
    for (std::size_t c = 0; c < cap.size(); ++c) {
        cap.set(c, near[c] >= 3 * deep[c] && 2 * onTop[c] >= kSide);
    }
    if (cap.none()) {
        return slope;
    }
    const std::array<int, kSide> body = Surfaces([&](int x, int y) {
        const int c = colour(x, y);
        return c >= 0 && !(cap.test(static_cast<std::size_t>(c)) && y - surfaces[x] < kSide / 2);
    });
    for (int x = 0; x < kSide; ++x) {
        if (surfaces[x] < kSide && body[x] == kSide) {
            return slope;
        }
    }
    const std::optional<SlopeLevels> under = FittedSlope(body);
    const auto change = [](const SlopeLevels& levels) { return levels.Right - levels.Left; };
    if (under && change(*under) * change(*slope) > 0 && std::abs(change(*under)) > std::abs(change(*slope))) {
        return under;
    }
    return slope;
}

}  // namespace

bool IsBlankTile(const TileSet& tileSet, int tile) {
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        if (tileSet.TileAttributes[slot][tile] != 0) {
            return false;
        }
    }
    return true;
}

EmptyColours DefaultEmptyColours(const TileGraphics& graphics) {
    std::array<int, 16> singleColourCells{};
    for (int cell = 0; cell < graphics.BMPTileCount; ++cell) {
        // A cell of one colour has every byte of each plane 0 or 255, the same throughout.
        int colour = 0;
        bool single = true;
        for (int plane = 0; plane < kPlaneCount && single; ++plane) {
            const std::uint8_t first = graphics.PlaneByte(plane, cell, 0);
            single = first == 0 || first == 0xFF;
            for (int byte = 1; byte < kPlaneBytesPerCell && single; ++byte) {
                single = graphics.PlaneByte(plane, cell, byte) == first;
            }
            colour |= (first & 1) << plane;
        }
        if (single) {
            ++singleColourCells[static_cast<std::size_t>(colour)];
        }
    }
    const auto most = std::max_element(singleColourCells.begin(), singleColourCells.end());
    EmptyColours empty;
    empty.set(*most > 0 ? static_cast<std::size_t>(most - singleColourCells.begin()) : 0);
    return empty;
}

std::array<std::int16_t, 4> SidesFromArt(const CellPixels& art, const EmptyColours& empty) {
    const auto solid = [&](int x, int y) { return !empty.test(art[static_cast<std::size_t>(kSide * y + x)]); };

    // Per side: the lines across its edge (rows for left and right, columns for top and
    // bottom) in which the solid body comes within one level of the edge, and the solid
    // pixels of the half of the tile behind it.
    std::array<int, 4> reaching{};
    std::array<int, 4> behind{};
    for (int i = 0; i < kSide; ++i) {
        std::array<bool, 4> reaches{};
        for (int depth = 0; depth < kReach; ++depth) {
            reaches[kTopSide] = reaches[kTopSide] || solid(i, depth);
            reaches[kRightSide] = reaches[kRightSide] || solid(kSide - 1 - depth, i);
            reaches[kBottomSide] = reaches[kBottomSide] || solid(i, kSide - 1 - depth);
            reaches[kLeftSide] = reaches[kLeftSide] || solid(depth, i);
        }
        for (int side = 0; side < 4; ++side) {
            reaching[side] += reaches[side] ? 1 : 0;
        }
        for (int j = 0; j < kSide; ++j) {
            if (solid(i, j)) {
                ++behind[j < kSide / 2 ? kTopSide : kBottomSide];
                ++behind[i < kSide / 2 ? kLeftSide : kRightSide];
            }
        }
    }
    std::array<std::int16_t, 4> sides{};
    for (int side = 0; side < 4; ++side) {
        const std::array<int, 2>& share = side == kTopSide ? kLedgeShare : kBodyShare;
        const bool body = share[1] * behind[side] >= share[0] * (kSide * kSide / 2);
        sides[side] = reaching[side] >= kBlocksAtEdge && body ? kBlocking : 0;
    }

    // Ground: the surfaces from the top. Ceiling: the same with the tile upside down, its
    // levels counted back from the bottom.
    const auto colour = [&](int x, int y) {
        const std::uint8_t c = art[static_cast<std::size_t>(kSide * y + x)];
        return empty.test(c) ? -1 : static_cast<int>(c);
    };
    if (const std::optional<SlopeLevels> slope = SurfaceSlope(colour)) {
        sides[kTopSide] = SideCollision{.Blocking = kBlocking, .Slope = slope, .OtherBits = 0}.Word();
    } else if (const std::optional<SlopeLevels> upsideDown =
                   SurfaceSlope([&](int x, int y) { return colour(x, kSide - 1 - y); })) {
        sides[kBottomSide] =
            SideCollision{.Blocking = kBlocking, .Slope = upsideDown, .OtherBits = 0}.UpsideDown().Word();
    }
    return sides;
}

std::array<EmptyBecause, 16> DefaultEmptyColours(const TileSet& tileSet, const TileGraphics& graphics,
                                                 const DoneTiles& doneBlank) {
    SheetFeatures features(graphics);
    return DefaultEmptyColours(tileSet, features, doneBlank);
}

std::array<EmptyBecause, 16> DefaultEmptyColours(const TileSet& tileSet, SheetFeatures& features,
                                                 const DoneTiles& doneBlank) {
    const int tileCount = std::clamp<int>(tileSet.Header.TileCount, 0, kMaxTiles);
    std::bitset<16> inPassing;
    std::bitset<16> inBlocking;
    for (int tile = 0; tile < tileCount; ++tile) {
        const int cell = tileSet.TileFrames[0][tile];
        if (!IsDoneTile(tileSet, doneBlank, tile) || !features.Has(cell)) {
            continue;
        }
        (ReadTileCollision(tileSet, tile).BlocksAnything() ? inBlocking : inPassing) |= features.Colours(cell);
    }
    const EmptyColours sky = features.Sky();
    std::array<EmptyBecause, 16> reasons{};
    for (std::size_t colour = 0; colour < reasons.size(); ++colour) {
        reasons[colour] = sky.test(colour)                                     ? EmptyBecause::Sky
                          : inPassing.test(colour) && !inBlocking.test(colour) ? EmptyBecause::OnlyInPassingTiles
                                                                               : EmptyBecause::NotEmpty;
    }
    return reasons;
}

EmptyColours EmptyColoursOf(const std::array<EmptyBecause, 16>& reasons) {
    EmptyColours empty;
    for (std::size_t colour = 0; colour < reasons.size(); ++colour) {
        empty.set(colour, reasons[colour] != EmptyBecause::NotEmpty);
    }
    return empty;
}

std::string SuggestionSource(const TileSuggestion& suggestion) {
    if (suggestion.Like >= 0) {
        return "like tile " + std::to_string(suggestion.Like) + (suggestion.Recoloured ? ", in other colours" : "") +
               (suggestion.Mirrored ? ", mirrored" : "") + (suggestion.UpsideDown ? ", upside down" : "");
    }
    const auto levels = [](const SlopeLevels& slope) {
        return std::to_string(slope.Left) + "," + std::to_string(slope.Right);
    };
    const TileCollision collision = TileCollision::FromWords(suggestion.Sides);
    if (const std::optional<SlopeLevels> ground = collision.Sides[kTopSide].Slope) {
        return "from the art: ground slope " + levels(*ground);
    }
    if (const std::optional<SlopeLevels> ceiling = collision.Sides[kBottomSide].Slope) {
        return "from the art: ceiling slope " + levels(*ceiling);
    }
    constexpr const char* kNames[4] = {"top", "right", "bottom", "left"};
    std::string blocking;
    int sides = 0;
    for (int side = 0; side < 4; ++side) {
        if (collision.Sides[side].Blocking != 0) {
            blocking += std::string(sides++ == 0 ? "" : ", ") + kNames[side];
        }
    }
    return sides == 4   ? "from the art: solid"
           : sides == 0 ? "from the art: nothing blocks"
                        : "from the art: blocks " + blocking;
}

std::vector<std::optional<TileSuggestion>> SuggestTiles(const TileSet& tileSet, const TileGraphics& graphics,
                                                        const EmptyColours& empty, const DoneTiles& doneBlank,
                                                        bool learn) {
    SheetFeatures features(graphics);
    return SuggestTiles(tileSet, features, empty, doneBlank, learn);
}

std::vector<std::optional<TileSuggestion>> SuggestTiles(const TileSet& tileSet, SheetFeatures& features,
                                                        const EmptyColours& empty, const DoneTiles& doneBlank,
                                                        bool learn) {
    const int tileCount = std::clamp<int>(tileSet.Header.TileCount, 0, kMaxTiles);
    const auto artOf = [&](int tile) -> int {
        const int cell = tileSet.TileFrames[0][tile];
        return features.Has(cell) ? cell : -1;
    };
    const auto done = [&](int tile) { return IsDoneTile(tileSet, doneBlank, tile); };

    // The lowest-numbered done tile for each art such a tile shows (by the art's number, -1
    // for none), and the examples.
    std::vector<int> doneArt;
    bool anyDone = false;
    std::vector<SheetFeatures::Example> learnFrom;
    for (int tile = 0; tile < tileCount; ++tile) {
        const int cell = artOf(tile);
        if (cell < 0 || !done(tile)) {
            continue;
        }
        const auto art = static_cast<std::size_t>(features.ArtId(cell));
        doneArt.resize(std::max(doneArt.size(), art + 1), -1);
        if (doneArt[art] >= 0) {
            continue;
        }
        doneArt[art] = tile;
        anyDone = true;
        if (learn) {
            const TileCollision collision = ReadTileCollision(tileSet, tile);
            const bool carriesSlope = collision.CarriesSlope();
            const bool blocks = collision.BlocksAnything();
            learnFrom.push_back({static_cast<std::int16_t>(tile), static_cast<int>(art), carriesSlope, blocks});
        }
    }
    // Whom blank art learns from is kept with the sheet's features while the examples stay
    // the same; the examples' likeness is gathered only when some art must be looked up.
    features.LearnFrom(learnFrom, empty);
    std::optional<LearnedExamples> examples;
    const auto lookUp = [&]() -> const LearnedExamples& {
        if (!examples) {
            examples.emplace();
            for (const SheetFeatures::Example& example : learnFrom) {
                const int cell = tileSet.TileFrames[0][example.Tile];
                examples->Add(example.Tile, features.Likeness(cell, empty), example.CarriesSlope, example.Blocks);
            }
        }
        return *examples;
    };

    const auto valuesOf = [&](int tile) {
        TileSuggestion values;
        values.TileType = tileSet.TileAttributes[0][tile];
        for (int side = 0; side < 4; ++side) {
            values.Sides[side] = tileSet.TileAttributes[side + 1][tile];
        }
        return values;
    };
    // A blank tile's suggestion depends on its art's pixels alone: worked out once an art.
    std::vector<std::optional<TileSuggestion>> byArt;
    std::vector<std::optional<TileSuggestion>> suggestions(static_cast<std::size_t>(tileCount));
    for (int tile = 0; tile < tileCount; ++tile) {
        const int cell = artOf(tile);
        if (cell < 0) {
            continue;
        }
        if (IsBlankTile(tileSet, tile) && !doneBlank.test(static_cast<std::size_t>(tile))) {
            const auto art = static_cast<std::size_t>(features.ArtId(cell));
            byArt.resize(std::max(byArt.size(), art + 1));
            std::optional<TileSuggestion>& known = byArt[art];
            if (!known) {
                const int twin = anyDone && art < doneArt.size() ? doneArt[art] : -1;
                const std::array<std::int16_t, 4>& own = features.Sides(cell, empty);
                std::optional<LikeTile> like;
                if (twin >= 0) {
                    like = LikeTile{static_cast<std::int16_t>(twin), {}, false, 0};
                } else if (!learnFrom.empty()) {
                    std::optional<std::optional<LikeTile>>& learned = features.LearnedFor(cell);
                    if (!learned) {
                        const LearnedExamples& examples = lookUp();
                        const int reading = ArtReading(own);
                        const ArtLikeness& likeness = features.Likeness(cell, empty);
                        std::optional<LikeTile> nearest = examples.Nearest(likeness);
                        const bool sloped = reading == kGroundSlopeReading || reading == kCeilingSlopeReading;
                        if (nearest && sloped && !examples.Blocks(*nearest) && nearest->Distance > kAlikeOverSlope) {
                            nearest.reset();  // the art's own slope holds against decoration unlike it
                        }
                        if (!nearest && sloped) {
                            nearest = examples.NearestWithSlope(likeness);  // the set's convention for slopes
                        }
                        learned = nearest;
                    }
                    like = *learned;
                }
                if (like) {
                    known = valuesOf(like->Tile);
                    if (twin < 0) {
                        known->Sides = LearnedSides(known->Sides, like->Turn, own);
                    }
                    known->Like = like->Tile;
                    known->Mirrored = like->Turn.Mirrored;
                    known->UpsideDown = like->Turn.UpsideDown;
                    known->Recoloured = like->Recoloured;
                    // Colour is how a game tells a red key from a blue one: the drawing in
                    // other colours takes the sides, not the type.
                    known->TileType = like->Recoloured ? 0 : known->TileType;
                } else {
                    known = TileSuggestion{0, own};
                }
            }
            suggestions[static_cast<std::size_t>(tile)] = known;
            continue;
        }
        TileSuggestion suggestion = valuesOf(tile);
        suggestion.Sides = features.Sides(cell, empty);
        const TileCollision stored = ReadTileCollision(tileSet, tile);
        for (int side = 0; side < kTileSides; ++side) {
            SideCollision suggested = SideCollision::FromWord(suggestion.Sides[side]);
            if (suggested.Blocking == kBlocking && stored.Sides[side].Blocking > kBlocking) {
                suggested.Blocking = stored.Sides[side].Blocking;
                suggestion.Sides[side] = suggested.Word();
            }
        }
        suggestions[static_cast<std::size_t>(tile)] = suggestion;
    }
    return suggestions;
}

bool DiffersFromSuggestion(const TileSet& tileSet, int tile, const TileSuggestion& suggestion) {
    if (tileSet.TileAttributes[0][tile] != suggestion.TileType) {
        return true;
    }
    for (int side = 0; side < 4; ++side) {
        if (tileSet.TileAttributes[side + 1][tile] != suggestion.Sides[side]) {
            return true;
        }
    }
    return false;
}

std::vector<std::int16_t> TilesDifferingFromSuggestions(const TileSet& tileSet,
                                                        const std::vector<std::optional<TileSuggestion>>& suggestions) {
    std::vector<std::int16_t> tiles;
    for (std::size_t tile = 0; tile < suggestions.size(); ++tile) {
        if (suggestions[tile] && DiffersFromSuggestion(tileSet, static_cast<int>(tile), *suggestions[tile])) {
            tiles.push_back(static_cast<std::int16_t>(tile));
        }
    }
    return tiles;
}

}  // namespace mosalind
