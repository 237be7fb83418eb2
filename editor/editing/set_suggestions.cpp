#include "editing/set_suggestions.h"

namespace mosalind {

void SetSuggestions::Update(const TileSet& tileSet, SheetFeatures& features) {
    byTile_ = SuggestTiles(tileSet, features, Empty, DoneBlank);
    differing_.clear();
    differs_.reset();
    for (const std::int16_t tile : TilesDifferingFromSuggestions(tileSet, byTile_)) {
        if (!IsDoneTile(tileSet, DoneBlank, tile)) {
            differing_.push_back(tile);
            differs_.set(tile);
        }
    }
}

std::optional<TileSuggestion> SetSuggestions::For(int tile) const {
    if (tile < 0 || static_cast<std::size_t>(tile) >= byTile_.size()) {
        return std::nullopt;
    }
    return byTile_[static_cast<std::size_t>(tile)];
}

}  // namespace mosalind
