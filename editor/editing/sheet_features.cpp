#include "editing/sheet_features.h"

#include <algorithm>

#include "editing/suggestion_rules.h"

namespace mosalind {

std::bitset<16> SheetFeatures::Sky() {
    if (!sky_) {
        sky_ = graphics_ != nullptr ? DefaultEmptyColours(*graphics_) : DefaultEmptyColours(TileGraphics{});
    }
    return *sky_;
}

SheetFeatures::Cell& SheetFeatures::Of(int cell) {
    if (slotOfCell_.empty()) {
        slotOfCell_.assign(static_cast<std::size_t>(std::max<int>(graphics_->BMPTileCount, 0)), -1);
    }
    int& slot = slotOfCell_[static_cast<std::size_t>(cell)];
    if (slot < 0) {
        slot = static_cast<int>(cells_.size());
        Cell& features = cells_.emplace_back();
        features.Pixels = *CellPixelsOf(*graphics_, cell);
        for (const std::uint8_t colour : features.Pixels) {
            features.Colours = static_cast<std::uint16_t>(features.Colours | (1U << colour));
        }
        features.ArtId = arts_.emplace(CellPlaneBytes(*graphics_, cell), static_cast<int>(arts_.size())).first->second;
    }
    return cells_[static_cast<std::size_t>(slot)];
}

void SheetFeatures::Under(const std::bitset<16>& empty) {
    if (empty != empty_) {
        for (Cell& cell : cells_) {
            cell.Sides.reset();
            cell.Likeness.reset();
        }
        learned_.clear();
        empty_ = empty;
    }
}

const std::array<std::int16_t, 4>& SheetFeatures::Sides(int cell, const std::bitset<16>& empty) {
    Under(empty);
    Cell& features = Of(cell);
    if (!features.Sides) {
        features.Sides = SidesFromArt(features.Pixels, empty);
    }
    return *features.Sides;
}

const ArtLikeness& SheetFeatures::Likeness(int cell, const std::bitset<16>& empty) {
    Under(empty);
    Cell& features = Of(cell);
    if (!features.Likeness) {
        features.Likeness = LikenessOf(features.Pixels, ~empty, Sides(cell, empty));
    }
    return *features.Likeness;
}

void SheetFeatures::LearnFrom(const std::vector<Example>& examples, const std::bitset<16>& empty) {
    Under(empty);
    if (examples != examples_) {
        examples_ = examples;
        learned_.clear();
    }
}

std::optional<std::optional<LikeTile>>& SheetFeatures::LearnedFor(int cell) {
    const auto art = static_cast<std::size_t>(ArtId(cell));
    learned_.resize(std::max(learned_.size(), art + 1));
    return learned_[art];
}

}  // namespace mosalind
