#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/tile_set.h"
#include "editing/sheet_features.h"
#include "editing/suggestion_rules.h"

namespace mosalind {

// The suggestions for a whole set as the window shows them: worked out again (Update)
// whenever the set, its sheet, the tiles done or the empty colours change. A done tile
// (one with values, or one of DoneBlank) is learned from and never differs: no suggestion
// is offered for it.
class SetSuggestions {
public:
    EmptyColours Empty;
    DoneTiles DoneBlank;

    // Works the suggestions out from what is kept of the sheet's cells.
    void Update(const TileSet& tileSet, SheetFeatures& features);

    // The suggestion for `tile`; nothing for a tile without art or past the set.
    std::optional<TileSuggestion> For(int tile) const;
    bool Differs(int tile) const { return tile >= 0 && tile < kMaxTiles && differs_.test(tile); }
    // The tiles not done whose values differ from their suggestion, in increasing order.
    const std::vector<std::int16_t>& DifferingTiles() const { return differing_; }

private:
    std::vector<std::optional<TileSuggestion>> byTile_;
    std::vector<std::int16_t> differing_;
    std::bitset<kMaxTiles> differs_;
};

}  // namespace mosalind
