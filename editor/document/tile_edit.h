#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/tile_values.h"

namespace mosalind {

// One tile's values before and after an edit.
struct TileChange {
    std::int16_t Tile = 0;
    TileValues Before;
    TileValues After;

    bool operator==(const TileChange&) const = default;
};

// One edit of one or more tiles, as plain data: what the history keeps for one step. The
// session makes it (EditingSession's edits), applies it and reverts it.
struct TileEdit {
    std::string Text;                 // the kind of edit, as the history names it: "Tile Type"
    std::vector<TileChange> Changes;  // only the tiles whose values change, in increasing order
    std::int16_t CurrentTile = 0;     // the tile current at the edit, current again after it
    // The frame a frame's cell was given in, current again after the edit; no frame for
    // the other edits, which leave the current frame as it is.
    std::optional<std::int16_t> Frame;
    // The document's revision before the edit and the one the edit makes.
    std::uint64_t RevisionBefore = 0;
    std::uint64_t RevisionAfter = 0;

    // An edit that changes nothing is no step: there would be nothing to undo.
    bool ChangesNothing() const { return Changes.empty(); }
};

}  // namespace mosalind
