// tlstool suggest: the editor's suggestions from the tiles' art, written into a set file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editing/suggestion_rules.h"

namespace tlstool {

// The empty colours a --empty list names ("0,11": colours 0 to 15, comma-separated).
// Throws RefusedError naming the option and what is wrong.
mosalind::EmptyColours ReadEmptyColours(const std::string& list);

// The tiles a --done list names ("3,7,20-25": tile numbers and ranges, comma-separated).
// Throws RefusedError naming the option and what is wrong; a tile past the set is wrong.
mosalind::DoneTiles ReadTileList(const std::string& list, int tileCount);

struct SuggestRun {
    bool AllTiles = false;                        // --all: also the tiles that have values (their types kept)
    bool ListOnly = false;                        // --list: write nothing, name each suggestion's source
    bool Learn = true;                            // --no-learn: the rules alone
    std::optional<mosalind::EmptyColours> Empty;  // --empty; else the set's default
    std::string DoneList;                         // --done: blank tiles that count as done
};

// Works out the suggestions for the set on the sheet, learning from the done tiles (those
// with values and the --done ones), and gives every blank tile not done (with AllTiles
// every tile, types kept) its suggestion. Returns one line a tile it changes, "SET: tile N:
// what changes", with ListOnly followed by " (where it comes from)". Unless ListOnly, writes the set to `outPath`
// (which may be `setPath`), replaced whole or not at all, with only the attribute section changed: the header, frames
// and planes keep their bytes. Throws RefusedError, writing nothing.
std::vector<std::string> SuggestTileSet(const std::string& setPath, const std::string& sheetPath,
                                        const std::string& outPath, const SuggestRun& run);

}  // namespace tlstool
