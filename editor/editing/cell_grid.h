#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graphics/sheet_grid.h"

namespace mosalind {

// The cell under a pixel: Y then X rounded to integers (halves to even), row = Y div 16,
// column = X div 16, cell = row x 13 + column. Nothing when the result does not fit a
// signed 16-bit cell number.
std::optional<std::int16_t> CellAtPixel(float x, float y);

// The top-left corner of a selection marker that frames a cell with a 2-pixel margin.
CellOrigin SelectionMarkerOrigin(std::int16_t cell);

// The message refusing a bitmap click that would give a frame a cell above the highest one
// a tile set file keeps (1023); nothing for a cell the file can hold.
std::optional<std::string> FrameCellRefusal(std::int16_t cell);

// The message refusing a run of cells for a tile's frames (a Shift+click on the bitmap)
// when one of them is past the sheet's `sheetCells` cells or above 1023; nothing when the
// file and the sheet can hold them all.
std::optional<std::string> FrameRunRefusal(const std::vector<int>& cells, int sheetCells);

// Label texts of the selection display.
std::string TileNumberText(std::int16_t tile);    // "Current Tile: 27"
std::string BitmapOffsetText(std::int16_t cell);  // "Offset in Bitmap: 14"
std::string FrameText(std::int16_t frame);        // frame 0: "Current Frame:  1"

}  // namespace mosalind
