#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "editing/learned_values.h"
#include "graphics/cell_pixels.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet.h"

namespace mosalind {

// What the suggestions read of a sheet's cells, worked out once for as long as the sheet
// lasts: the sky's colour, and for each cell a tile shows the first time it is asked for,
// its pixels, the colours it uses and which art it has; under the empty colours, the side
// words its art suggests and its likeness for learning, worked out again only when the empty
// colours change. A sheet read again is a new sheet: whoever keeps these for a sheet makes
// new ones for it (the session, when it takes a sheet). Asking changes nothing the caller
// can see but the time the next ask takes.
class SheetFeatures {
public:
    SheetFeatures() = default;  // no sheet: no cells
    // `graphics` must outlive the features (a sheet in the making, tlstool's sheet).
    explicit SheetFeatures(const TileGraphics& graphics) : graphics_(&graphics) {}
    // A loaded sheet, kept alive with them.
    explicit SheetFeatures(SharedSheet sheet)
        : graphics_(sheet ? &sheet->Graphics : nullptr), sheet_(std::move(sheet)) {}

    // Whether the sheet has `cell`.
    bool Has(int cell) const { return graphics_ != nullptr && cell >= 0 && cell < graphics_->BMPTileCount; }

    // The sky's colour (DefaultEmptyColours of the graphics).
    std::bitset<16> Sky();

    // The cells below must be ones the sheet has.
    const CellPixels& Pixels(int cell) { return Of(cell).Pixels; }
    // Bit c set when colour c appears in the cell.
    std::uint16_t Colours(int cell) { return Of(cell).Colours; }
    // The same number for two cells exactly when they have the same pixels: from 0, in the
    // order their art was first asked about.
    int ArtId(int cell) { return Of(cell).ArtId; }
    // The numbers ArtId has given so far.
    int ArtIds() const { return static_cast<int>(arts_.size()); }
    // SidesFromArt of the cell's art under `empty`.
    const std::array<std::int16_t, 4>& Sides(int cell, const std::bitset<16>& empty);
    // LikenessOf the cell's art, the colours not in `empty` solid.
    const ArtLikeness& Likeness(int cell, const std::bitset<16>& empty);

    // A done tile learning compares blank art with: its tile, its art (ArtId) and whether its
    // values carry a slope and block anything.
    struct Example {
        std::int16_t Tile = -1;
        int ArtId = 0;
        bool CarriesSlope = false;
        bool Blocks = false;
        bool operator==(const Example&) const = default;
    };
    // Whom blank art learns from, kept by art while the examples and the empty colours stay
    // as they were when it was found. `LearnFrom` forgets what was kept when either changed;
    // `LearnedFor(cell)` is then the place of the answer for the cell's art: empty until it
    // is worked out, and an answer may be nobody.
    void LearnFrom(const std::vector<Example>& examples, const std::bitset<16>& empty);
    std::optional<std::optional<LikeTile>>& LearnedFor(int cell);

private:
    struct Cell {
        CellPixels Pixels;
        std::uint16_t Colours = 0;
        int ArtId = 0;
        std::optional<std::array<std::int16_t, 4>> Sides;
        std::optional<ArtLikeness> Likeness;
    };
    Cell& Of(int cell);
    void Under(const std::bitset<16>& empty);

    const TileGraphics* graphics_ = nullptr;
    SharedSheet sheet_;
    std::optional<std::bitset<16>> sky_;
    std::vector<int> slotOfCell_;  // by cell, -1 before it is asked about
    std::deque<Cell> cells_;       // by slot; a deque, so that a cell's features stay where they are
    std::map<std::array<std::uint8_t, kPlaneCount * kPlaneBytesPerCell>, int> arts_;
    std::bitset<16> empty_;          // what Sides, Likeness and the learned answers were worked out under
    std::vector<Example> examples_;  // what the learned answers were worked out from
    std::vector<std::optional<std::optional<LikeTile>>> learned_;  // by art
};

}  // namespace mosalind
