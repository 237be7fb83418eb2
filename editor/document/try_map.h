#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace mosalind {

constexpr int kTryCellSize = 16;
constexpr int kNoMapTile = -1;
constexpr int kDefaultTryColumns = 40;
constexpr int kDefaultTryRows = 24;
// The largest map worth a try: far beyond any screen of a game, small enough to hold.
constexpr int kMaxTryCells = 1 << 22;

// The cell the figure starts in: it stands centred across the cell, its bottom on the
// cell's bottom edge.
struct FigureStart {
    int Column = 0;
    int Row = 0;
    bool operator==(const FigureStart&) const = default;
};

// A grid of set tile numbers that the figure runs over, one 16 x 16 pixel cell each, -1
// for no tile. Outside the grid there are no tiles.
struct TryMap {
    int Columns = 0;
    int Rows = 0;
    std::vector<int> Tiles;  // row by row

    // An empty map of the given size (sizes below 1 give an empty grid).
    static TryMap Empty(int columns, int rows);

    bool Contains(int column, int row) const { return column >= 0 && row >= 0 && column < Columns && row < Rows; }
    // The tile number of a cell; -1 outside the grid.
    int At(int column, int row) const { return Contains(column, row) ? Tiles[Index(column, row)] : kNoMapTile; }
    // Sets a cell; a cell outside the grid is left alone.
    void Set(int column, int row, int tile) {
        if (Contains(column, row)) {
            Tiles[Index(column, row)] = tile;
        }
    }

    bool operator==(const TryMap&) const = default;

private:
    std::size_t Index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) + static_cast<std::size_t>(column);
    }
};

// The map as CSV: one row a line, tile numbers separated by commas, -1 for no tile.
std::string WriteTryMapCsv(const TryMap& map);

// Reads such CSV (a final line break, CR LF line ends and spaces around numbers are fine;
// blank lines end the map, as a map editor's export may close with one). `name` is the
// file named in a refusal: a row of another length, something that is not a tile number,
// no rows at all. Tile numbers below -1 are refused; whether the set has a tile is the
// caller's question.
TryMap ReadTryMapCsv(const std::string& text, const std::string& name);

}  // namespace mosalind
