#include "tile_set_try.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/refused_error.h"
#include "document/tile_collision.h"
#include "document/tile_set_file.h"
#include "tile_set_commands.h"
#include "tile_set_json.h"

namespace tlstool {

using mosalind::RefusedError;

namespace {

// A script of more steps than this is a typing slip: an hour and a half of play.
constexpr long long kMaxSteps = 60LL * 60 * 90;

std::optional<long long> WholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text = text.substr(at + 1);
    }
}

}  // namespace

std::vector<KeyRun> ReadKeyScript(const std::string& script) {
    std::vector<KeyRun> runs;
    long long total = 0;
    std::string_view rest = script;
    while (true) {
        const std::size_t start = rest.find_first_not_of(" \t\n");
        if (start == std::string_view::npos) {
            return runs;
        }
        rest = rest.substr(start);
        const std::string_view token = rest.substr(0, rest.find_first_of(" \t\n"));
        rest = rest.substr(token.size());
        const std::size_t star = token.rfind('*');
        const std::optional<long long> steps =
            star == std::string_view::npos ? std::nullopt : WholeNumber(token.substr(star + 1));
        if (!steps || *steps < 1 || *steps > kMaxSteps) {
            throw RefusedError("--keys: '" + std::string(token) +
                               "' is not keys and a step count, such as right+jump*1");
        }
        KeyRun run{{}, *steps};
        const std::string_view keys = token.substr(0, star);
        if (keys != "none") {
            for (const std::string_view key : Split(keys, '+')) {
                if (key == "left") {
                    run.Keys.Left = true;
                } else if (key == "right") {
                    run.Keys.Right = true;
                } else if (key == "jump") {
                    run.Keys.Jump = true;
                } else {
                    throw RefusedError("--keys: '" + std::string(key) + "' is not a key (left, right, jump or none)");
                }
            }
        }
        total += *steps;
        if (total > kMaxSteps) {
            throw RefusedError("--keys: more than " + std::to_string(kMaxSteps) + " steps");
        }
        runs.push_back(run);
    }
}

mosalind::FigureStart ReadStartCell(const std::string& text) {
    const std::vector<std::string_view> parts = Split(text, ',');
    std::optional<long long> column;
    std::optional<long long> row;
    if (parts.size() == 2) {
        column = WholeNumber(parts[0]);
        row = WholeNumber(parts[1]);
    }
    constexpr long long kFar = 1 << 24;
    if (!column || !row || *column < -kFar || *column > kFar || *row < -kFar || *row > kFar) {
        throw RefusedError("--start: '" + text + "' is not a cell's COL,ROW, such as 3,20");
    }
    return {static_cast<int>(*column), static_cast<int>(*row)};
}

namespace {

// The value of attribute `name` in the start tag `tag`, if it has one.
std::optional<std::string> AttributeOf(std::string_view tag, const std::string& name) {
    std::size_t at = 0;
    while ((at = tag.find(name + "=", at)) != std::string_view::npos) {
        const bool wordStart =
            at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\t' || tag[at - 1] == '\n' || tag[at - 1] == '\r');
        const std::size_t quote = at + name.size() + 1;
        if (wordStart && quote < tag.size() && (tag[quote] == '"' || tag[quote] == '\'')) {
            const std::size_t end = tag.find(tag[quote], quote + 1);
            if (end != std::string_view::npos) {
                return std::string(tag.substr(quote + 1, end - quote - 1));
            }
        }
        at += name.size();
    }
    return std::nullopt;
}

// The first start tag `<element ...>` at or after `from`, as its text up to '>', and where it ends.
std::optional<std::pair<std::string_view, std::size_t>> FindTag(std::string_view xml, const std::string& element,
                                                                std::size_t from = 0) {
    std::size_t at = from;
    while ((at = xml.find("<" + element, at)) != std::string_view::npos) {
        const std::size_t after = at + element.size() + 1;
        if (after < xml.size() && (xml[after] == ' ' || xml[after] == '>' || xml[after] == '/' || xml[after] == '\n' ||
                                   xml[after] == '\t' || xml[after] == '\r')) {
            const std::size_t end = xml.find('>', after);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
            return std::make_pair(xml.substr(at, end + 1 - at), end + 1);
        }
        at = after;
    }
    return std::nullopt;
}

mosalind::TryMap ReadTmx(const std::string& path, const std::string& text) {
    const auto refuse = [&path](const std::string& what) { throw RefusedError(path + ": " + what); };
    const std::string_view xml = text;
    const auto tileset = FindTag(xml, "tileset");
    if (!tileset) {
        refuse("the map has no tileset");
    }
    const std::optional<std::string> source = AttributeOf(tileset->first, "source");
    if (!source) {
        refuse("the first tileset is embedded in the map; save it as the .tsx file tlstool export --tsx writes");
    }
    const std::filesystem::path tsx = std::filesystem::path(path).parent_path() / *source;
    std::error_code error;
    if (!std::filesystem::is_regular_file(tsx, error)) {
        refuse("the first tileset's file " + *source + " is missing");
    }
    const std::optional<long long> firstGid = WholeNumber(AttributeOf(tileset->first, "firstgid").value_or(""));
    if (!firstGid || *firstGid < 1) {
        refuse("the first tileset has no firstgid");
    }
    const auto layer = FindTag(xml, "layer");
    if (!layer) {
        refuse("the map has no tile layer");
    }
    const std::optional<long long> width = WholeNumber(AttributeOf(layer->first, "width").value_or(""));
    const std::optional<long long> height = WholeNumber(AttributeOf(layer->first, "height").value_or(""));
    const auto data = FindTag(xml, "data", layer->second);
    if (!data) {
        refuse("the first tile layer has no data");
    }
    const std::string encoding = AttributeOf(data->first, "encoding").value_or("");
    if (encoding != "csv") {
        refuse("the first tile layer is not CSV-encoded (its encoding is " +
               (encoding.empty() ? std::string("XML") : "'" + encoding + "'") + ")");
    }
    const std::size_t end = xml.find("</data>", data->second);
    const std::string_view cells = xml.substr(data->second, end == std::string_view::npos ? 0 : end - data->second);
    if (end == std::string_view::npos || cells.find('<') != std::string_view::npos) {
        refuse("the first tile layer's data is not a plain CSV grid (an infinite map's chunks are not read)");
    }
    constexpr long long kMaxSide = 1 << 14;
    if (!width || !height || *width < 1 || *height < 1 || *width > kMaxSide || *height > kMaxSide) {
        refuse("the first tile layer has no usable width and height");
    }
    mosalind::TryMap map = mosalind::TryMap::Empty(static_cast<int>(*width), static_cast<int>(*height));
    std::size_t index = 0;
    for (std::string_view cell : Split(cells, ',')) {
        while (!cell.empty() && std::string_view(" \t\r\n").find(cell.front()) != std::string_view::npos) {
            cell.remove_prefix(1);
        }
        while (!cell.empty() && std::string_view(" \t\r\n").find(cell.back()) != std::string_view::npos) {
            cell.remove_suffix(1);
        }
        const std::optional<long long> gid = WholeNumber(cell);
        if (!gid || *gid < 0 || *gid > 0xFFFFFFFFLL) {
            refuse("'" + std::string(cell.substr(0, 20)) + "' in the first tile layer is not a tile");
        }
        if (index >= map.Tiles.size()) {
            refuse("the first tile layer holds more than its " + std::to_string(*width) + " x " +
                   std::to_string(*height) + " cells");
        }
        // The top three bits say how a tile is flipped; the figure feels the tile as it is.
        const long long tile = *gid & 0x1FFFFFFF;
        if (tile != 0 && tile < *firstGid) {
            refuse("gid " + std::to_string(tile) + " lies before the first tileset");
        }
        map.Tiles[index++] = tile == 0 ? mosalind::kNoMapTile : static_cast<int>(tile - *firstGid);
    }
    if (index != map.Tiles.size()) {
        refuse("the first tile layer holds " + std::to_string(index) + " cells, not " + std::to_string(*width) + " x " +
               std::to_string(*height));
    }
    return map;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// What blocks on a tile, in words: "top, left".
std::string BlockingSides(const mosalind::TileSet& set, int tile) {
    static const char* const kSides[] = {"top", "right", "bottom", "left"};
    const mosalind::TileCollision collision = mosalind::ReadTileCollision(set, tile);
    std::string sides;
    for (int side = 0; side < mosalind::kTileSides; ++side) {
        if (collision.Sides[static_cast<std::size_t>(side)].Blocking != 0) {
            sides += std::string(sides.empty() ? "" : ", ") + kSides[side];
        }
    }
    return sides;
}

}  // namespace

mosalind::TryMap ReadTryMapFile(const std::string& path) {
    const std::string text = ReadWholeFile(path, kMostTextFormBytes, "map");
    if (EndsWith(path, ".tmx")) {
        return ReadTmx(path, text);
    }
    return mosalind::ReadTryMapCsv(text, path);
}

void CheckTryMap(const mosalind::TileSet& set, const mosalind::TryMap& map, const std::string& mapPath,
                 mosalind::FigureStart start) {
    const int tileCount = set.Header.TileCount;
    for (int row = 0; row < map.Rows; ++row) {
        for (int column = 0; column < map.Columns; ++column) {
            const int tile = map.At(column, row);
            if (tile >= tileCount) {
                throw RefusedError(mapPath + ": column " + std::to_string(column) + ", row " + std::to_string(row) +
                                   ": tile " + std::to_string(tile) + " is not in the set (it has " +
                                   std::to_string(tileCount) + " tiles, 0 to " + std::to_string(tileCount - 1) + ")");
            }
        }
    }
    const std::string cell = std::to_string(start.Column) + "," + std::to_string(start.Row);
    if (!map.Contains(start.Column, start.Row)) {
        throw RefusedError("--start " + cell + " lies outside the map (" + std::to_string(map.Columns) + " x " +
                           std::to_string(map.Rows) + " cells, 0,0 to " + std::to_string(map.Columns - 1) + "," +
                           std::to_string(map.Rows - 1) + ")");
    }
    // The box, 24 pixels high, stands in its cell and reaches half into the cell above.
    for (const int row : {start.Row - 1, start.Row}) {
        const int tile = map.At(start.Column, row);
        if (tile < 0) {
            continue;
        }
        const std::string sides = BlockingSides(set, tile);
        if (!sides.empty() && sides != "top") {
            throw RefusedError("--start " + cell + ": the figure there overlaps tile " + std::to_string(tile) + " at " +
                               std::to_string(start.Column) + "," + std::to_string(row) + ", which blocks (" + sides +
                               ")");
        }
    }
}

std::string TryTileSet(const TryRun& run) {
    const mosalind::FigureStart start = ReadStartCell(run.Start);
    const std::vector<KeyRun> script = ReadKeyScript(run.Keys);
    if (run.Steps < 0 || run.Steps > kMaxSteps) {
        throw RefusedError("--steps: " + std::to_string(run.Steps) + " is not a step count from 0 to " +
                           std::to_string(kMaxSteps));
    }
    if (!mosalind::AreUsableParameters(run.Parameters)) {
        throw RefusedError("the motion parameters are numbers from 0 to 16");
    }
    const mosalind::TileSet set = mosalind::ReadTileSet(run.SetPath, mosalind::TileSet{});
    const mosalind::TryMap map = ReadTryMapFile(run.MapPath);
    CheckTryMap(set, map, run.MapPath, start);

    std::vector<KeyRun> steps = script;
    steps.push_back({{}, run.Steps});
    mosalind::Figure figure = mosalind::FigureAtStart(set, map, start);
    std::string out;
    long long step = 0;
    for (const KeyRun& keys : steps) {
        for (long long i = 0; i < keys.Steps; ++i) {
            mosalind::StepFigure(set, map, run.Parameters, start, figure, keys.Keys);
            ++step;
            if (run.Trace) {
                out += mosalind::FigureTraceLine(set, figure, step);
                out += '\n';
            }
        }
    }
    if (!run.Trace) {
        out += mosalind::FigureTraceLine(set, figure, step) + '\n';
    }
    return out;
}

}  // namespace tlstool
