#include "editing/suggestion_rules.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "document/tile_collision.h"
#include "document/tile_values.h"
#include "editing/cell_grid.h"

namespace mosalind {

namespace {

constexpr int kSide = kCellSize;   // 16 pixels a side
constexpr int kBlocksAtEdge = 12;  // solid edge pixels that make a side block
constexpr int kBlocking = 1;
constexpr int kTop = 0;
constexpr int kRight = 1;
constexpr int kBottom = 2;
constexpr int kLeft = 3;

// n / d rounded to the nearest whole number, halves to the even one; d > 0.
std::int64_t RoundedQuotient(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0)) {
        ++q;
    }
    return q;
}

// The slope of the line fitted through sixteen edge rows, one a column, or nothing
// when the line is no slope a tile can carry. The sums are kept whole: with S the sum of
// the rows and T the sum of (2x - 15) times row x, the line at X is S/16 + T/680 (X - 8),
// held below as 10880 times that, Y(X) = 680 S + 16 T (X - 8).
std::optional<SlopeLevels> FittedSlope(const std::array<int, kSide>& rows) {
    std::int64_t s = 0;
    std::int64_t t = 0;
    for (int x = 0; x < kSide; ++x) {
        s += rows[x];
        t += static_cast<std::int64_t>(2 * x - 15) * rows[x];
    }
    constexpr std::int64_t kScale = 10880;  // 16 x 680
    const std::int64_t left = 680 * s - 128 * t;
    const std::int64_t right = 680 * s + 128 * t;
    const int leftLevel = static_cast<int>(RoundedQuotient(left, 4 * kScale));
    const int rightLevel = static_cast<int>(RoundedQuotient(right, 4 * kScale));
    if (!EncodeSlope(leftLevel, rightLevel)) {
        return std::nullopt;  // flat, levels 3 apart, or past the tile
    }
    // Both ends within 1.5 pixels of their levels, every row within 2 pixels of the line.
    if (std::llabs(left - 4 * leftLevel * kScale) * 2 > 3 * kScale ||
        std::llabs(right - 4 * rightLevel * kScale) * 2 > 3 * kScale) {
        return std::nullopt;
    }
    for (int x = 0; x < kSide; ++x) {
        const std::int64_t line = 680 * s + 8 * t * (2 * x - 15);
        if (std::llabs(kScale * rows[x] - line) > 2 * kScale) {
            return std::nullopt;
        }
    }
    return SlopeLevels{leftLevel, rightLevel};
}

}  // namespace

bool IsBlankTile(const TileSet& tileSet, int tile) {
    const TileValues values = ReadTileValues(tileSet, tile);
    return values.TileType == 0 && values.Sides == std::array<std::int16_t, 4>{};
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

    std::array<int, kSide> surfaces{};    // ground: the first solid row of each column
    std::array<int, kSide> undersides{};  // ceiling: the row below the lowest solid one
    bool ground = true;
    bool ceiling = true;
    for (int x = 0; x < kSide; ++x) {
        int first = kSide;
        int last = -1;
        for (int y = 0; y < kSide; ++y) {
            if (solid(x, y)) {
                first = std::min(first, y);
                last = y;
            }
        }
        int belowSurface = 0;
        int aboveUnderside = 0;
        for (int y = 0; y < kSide; ++y) {
            if (solid(x, y)) {
                belowSurface += y >= first ? 1 : 0;
                aboveUnderside += y <= last ? 1 : 0;
            }
        }
        surfaces[x] = first;
        undersides[x] = last + 1;
        ground = ground && 8 * belowSurface >= 7 * (kSide - first);
        ceiling = ceiling && 8 * aboveUnderside >= 7 * (last + 1);
    }

    std::array<int, 4> solidAtEdge{};
    for (int i = 0; i < kSide; ++i) {
        solidAtEdge[kTop] += solid(i, 0) ? 1 : 0;
        solidAtEdge[kRight] += solid(kSide - 1, i) ? 1 : 0;
        solidAtEdge[kBottom] += solid(i, kSide - 1) ? 1 : 0;
        solidAtEdge[kLeft] += solid(0, i) ? 1 : 0;
    }
    TileCollision collision;
    for (int side = 0; side < 4; ++side) {
        collision.Sides[side].Blocking = solidAtEdge[side] >= kBlocksAtEdge ? kBlocking : 0;
    }

    if (const std::optional<SlopeLevels> slope = ground ? FittedSlope(surfaces) : std::nullopt) {
        collision.Sides[kTop] = {kBlocking, slope};
    } else if (const std::optional<SlopeLevels> under = ceiling ? FittedSlope(undersides) : std::nullopt) {
        collision.Sides[kBottom] = {kBlocking, under};
    }
    return collision.Words();
}

std::vector<std::optional<TileSuggestion>> SuggestTiles(const TileSet& tileSet, const TileGraphics& graphics,
                                                        const EmptyColours& empty) {
    const int tileCount = std::clamp<int>(tileSet.Header.TileCount, 0, kMaxTiles);
    const auto artOf = [&](int tile) -> int {
        const int cell = tileSet.TileFrames[0][tile];
        return cell >= 0 && cell < graphics.BMPTileCount ? cell : -1;
    };

    // The lowest-numbered tile that is not blank, for each art such a tile shows.
    std::map<std::array<std::uint8_t, kPlaneCount * kPlaneBytesPerCell>, int> valuedArt;
    for (int tile = 0; tile < tileCount; ++tile) {
        const int cell = artOf(tile);
        if (cell >= 0 && !IsBlankTile(tileSet, tile)) {
            valuedArt.emplace(CellPlaneBytes(graphics, cell), tile);
        }
    }

    std::vector<std::optional<TileSuggestion>> suggestions(static_cast<std::size_t>(tileCount));
    for (int tile = 0; tile < tileCount; ++tile) {
        const int cell = artOf(tile);
        if (cell < 0) {
            continue;
        }
        TileSuggestion suggestion;
        const bool blank = IsBlankTile(tileSet, tile);
        const auto twin =
            blank && !valuedArt.empty() ? valuedArt.find(CellPlaneBytes(graphics, cell)) : valuedArt.end();
        if (twin != valuedArt.end()) {
            const TileValues values = ReadTileValues(tileSet, twin->second);
            suggestion.TileType = values.TileType;
            suggestion.Sides = values.Sides;
        } else {
            suggestion.TileType = tileSet.TileAttributes[0][tile];
            TileCollision fromArt = TileCollision::FromWords(SidesFromArt(*CellPixelsOf(graphics, cell), empty));
            const TileCollision stored = ReadTileCollision(tileSet, tile);
            for (int side = 0; side < 4; ++side) {
                const int storedKind = stored.Sides[side].Blocking;
                if (fromArt.Sides[side].Blocking == kBlocking && storedKind > kBlocking) {
                    fromArt.Sides[side].Blocking = storedKind;
                }
            }
            suggestion.Sides = fromArt.Words();
        }
        suggestions[static_cast<std::size_t>(tile)] = suggestion;
    }
    return suggestions;
}

bool DiffersFromSuggestion(const TileSet& tileSet, int tile, const TileSuggestion& suggestion) {
    const TileValues values = ReadTileValues(tileSet, tile);
    return values.TileType != suggestion.TileType || values.Sides != suggestion.Sides;
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
