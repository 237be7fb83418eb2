#include "document/try_map.h"

#include <charconv>
#include <string_view>

#include "base/refused_error.h"

namespace mosalind {

TryMap TryMap::Empty(int columns, int rows) {
    TryMap map;
    if (columns >= 1 && rows >= 1) {
        map.Columns = columns;
        map.Rows = rows;
        map.Tiles.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), kNoMapTile);
    }
    return map;
}

std::string WriteTryMapCsv(const TryMap& map) {
    std::string text;
    for (int row = 0; row < map.Rows; ++row) {
        for (int column = 0; column < map.Columns; ++column) {
            if (column > 0) {
                text += ',';
            }
            text += std::to_string(map.At(column, row));
        }
        text += '\n';
    }
    return text;
}

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

TryMap ReadTryMapCsv(const std::string& text, const std::string& name) {
    TryMap map;
    std::string_view rest = text;
    int lineNumber = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = Trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        ++lineNumber;
        if (line.empty()) {
            if (rest.find_first_not_of(" \t\r\n") != std::string_view::npos) {
                throw RefusedError(name + ": line " + std::to_string(lineNumber) + " is blank inside the map");
            }
            break;
        }
        int columns = 0;
        std::string_view cells = line;
        while (true) {
            const std::size_t comma = cells.find(',');
            const std::string_view cell = Trimmed(cells.substr(0, comma));
            int tile = 0;
            const auto [next, error] = std::from_chars(cell.data(), cell.data() + cell.size(), tile);
            if (cell.empty() || error != std::errc() || next != cell.data() + cell.size() || tile < kNoMapTile) {
                throw RefusedError(name + ": line " + std::to_string(lineNumber) + ": '" +
                                   std::string(cell.substr(0, 20)) + "' is not a tile number (-1 for no tile)");
            }
            map.Tiles.push_back(tile);
            ++columns;
            if (comma == std::string_view::npos) {
                break;
            }
            cells = cells.substr(comma + 1);
        }
        if (map.Rows == 0) {
            map.Columns = columns;
        } else if (columns != map.Columns) {
            throw RefusedError(name + ": line " + std::to_string(lineNumber) + " has " + std::to_string(columns) +
                               " tiles, the first line " + std::to_string(map.Columns));
        }
        ++map.Rows;
        if (map.Tiles.size() > static_cast<std::size_t>(kMaxTryCells)) {
            throw RefusedError(name + ": more than " + std::to_string(kMaxTryCells) + " cells");
        }
    }
    if (map.Rows == 0) {
        throw RefusedError(name + ": no map rows");
    }
    return map;
}

}  // namespace mosalind
