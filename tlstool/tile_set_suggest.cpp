#include "tile_set_suggest.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "base/refused_error.h"
#include "base/replace_file.h"
#include "document/tile_collision.h"
#include "document/tile_set_file.h"
#include "document/tile_set_file_layout.h"
#include "editing/sheet_features.h"
#include "editing/tile_type_list.h"
#include "file_kind.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet_reader.h"
#include "tile_set_commands.h"

namespace tlstool {

namespace {

constexpr const char* kSideNames[4] = {"top", "right", "bottom", "left"};

// A side as the editor shows it: the blocking kind, and a slope's levels.
std::string SideText(const mosalind::SideCollision& side) {
    std::string text = std::to_string(side.Blocking);
    if (side.Slope) {
        text += " slope " + std::to_string(side.Slope->Left) + "," + std::to_string(side.Slope->Right);
    } else if (side.ShowsSlope()) {
        text += " bits " + std::to_string(side.UnreadableSlopeBits());
    }
    return text;
}

std::string TypeText(std::int16_t tileType) {
    if (mosalind::IsListedTileType(tileType)) {
        const int row = mosalind::RowForTileType(tileType, mosalind::kTileTypeRowCount);
        return std::to_string(tileType) + " (" + mosalind::kTileTypeRows[static_cast<std::size_t>(row)] + ")";
    }
    return std::to_string(tileType);
}

}  // namespace

mosalind::EmptyColours ReadEmptyColours(const std::string& list) {
    mosalind::EmptyColours empty;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        const bool number = !item.empty() && item.size() <= 2 &&
                            std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!number || std::stoi(item) > 15) {
            throw mosalind::RefusedError("--empty: colours are numbers from 0 to 15, comma-separated, not '" + item +
                                         "'");
        }
        empty.set(static_cast<std::size_t>(std::stoi(item)));
        if (comma == list.size()) {
            return empty;
        }
        start = comma + 1;
    }
}

mosalind::DoneTiles ReadTileList(const std::string& list, int tileCount) {
    mosalind::DoneTiles done;
    const auto number = [&](const std::string& text, const std::string& item) {
        const bool digits = !text.empty() && text.size() <= 4 &&
                            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || std::stoi(text) >= tileCount) {
            throw mosalind::RefusedError("--done: tiles are numbers from 0 to " + std::to_string(tileCount - 1) +
                                         " and ranges like 20-25, comma-separated, not '" + item + "'");
        }
        return std::stoi(text);
    };
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        const int first = number(item.substr(0, dash), item);
        const int last = dash == std::string::npos ? first : number(item.substr(dash + 1), item);
        if (last < first) {
            throw mosalind::RefusedError("--done: a range runs upwards, not '" + item + "'");
        }
        for (int tile = first; tile <= last; ++tile) {
            done.set(static_cast<std::size_t>(tile));
        }
        if (comma == list.size()) {
            return done;
        }
        start = comma + 1;
    }
}

std::vector<std::string> SuggestTileSet(const std::string& setPath, const std::string& sheetPath,
                                        const std::string& outPath, const SuggestRun& run) {
    // The file is read once: its document for the rules, its bytes to write back changed.
    std::string bytes = ReadWholeFile(setPath, mosalind::kMostTileSetFileBytes, "tile set file");
    const auto fileBytes = [&bytes] {
        return std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
    };
    mosalind::TileSet tileSet;
    try {
        tileSet = mosalind::ReadTileSetBytes(fileBytes(), setPath).Document;
    } catch (const mosalind::RefusedError&) {
        RefuseIfOtherKind(setPath);
        throw;
    }
    const mosalind::TileGraphics graphics = mosalind::CutTiles(mosalind::ReadTileSheet(sheetPath));
    RefuseWritingOver(outPath, sheetPath, "sheet");
    const mosalind::DoneTiles done =
        run.DoneList.empty() ? mosalind::DoneTiles{} : ReadTileList(run.DoneList, tileSet.Header.TileCount);
    // What the rules read of the sheet's cells, read once for the empty colours and the rules.
    mosalind::SheetFeatures features(graphics);
    const mosalind::EmptyColours empty = run.Empty ? *run.Empty
                                                   : mosalind::EmptyColoursOf(mosalind::DefaultEmptyColours(
                                                         tileSet, features, run.Learn ? done : mosalind::DoneTiles{}));
    const auto suggestions = mosalind::SuggestTiles(tileSet, features, empty, done, run.Learn);

    mosalind::TileSet suggested = tileSet;
    std::vector<std::string> lines;
    for (std::size_t index = 0; index < suggestions.size(); ++index) {
        const int tile = static_cast<int>(index);
        const bool blank = mosalind::IsBlankTile(tileSet, tile);
        if (!suggestions[index] || (!blank && !run.AllTiles) || (done.test(index) && !run.AllTiles)) {
            continue;
        }
        std::vector<std::string> changes;
        if (blank && suggestions[index]->TileType != 0) {
            suggested.TileAttributes[0][tile] = suggestions[index]->TileType;
            changes.push_back("type 0 -> " + TypeText(suggestions[index]->TileType));
        }
        const mosalind::TileCollision before = mosalind::ReadTileCollision(tileSet, tile);
        const mosalind::TileCollision after = mosalind::TileCollision::FromWords(suggestions[index]->Sides);
        for (int side = 0; side < mosalind::kTileSides; ++side) {
            if (before.Sides[side] != after.Sides[side]) {
                changes.push_back(std::string(kSideNames[side]) + " " + SideText(before.Sides[side]) + " -> " +
                                  SideText(after.Sides[side]));
            }
        }
        mosalind::WriteTileCollision(suggested, tile, after);
        if (!changes.empty()) {
            std::string line = setPath + ": tile " + std::to_string(tile) + ": " + changes.front();
            for (std::size_t i = 1; i < changes.size(); ++i) {
                line += ", " + changes[i];
            }
            if (run.ListOnly) {
                line += " (" + mosalind::SuggestionSource(*suggestions[index]) + ")";
            }
            lines.push_back(line);
        }
    }
    if (run.ListOnly) {
        return lines;
    }

    // Only the attribute section changes: one byte a tile and slot, right after the header.
    const std::span<std::uint8_t> file = fileBytes();
    const int tiles = tileSet.Header.TileCount;
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        for (int tile = 0; tile < tiles; ++tile) {
            file[static_cast<std::size_t>(mosalind::kHeaderBytes + slot * tiles + tile)] =
                static_cast<std::uint8_t>(suggested.TileAttributes[slot][tile]);
        }
    }
    mosalind::ReplaceFileContents(outPath, {std::span<const std::uint8_t>(file)});
    return lines;
}

}  // namespace tlstool
