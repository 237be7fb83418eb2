// The map editor's tileset of a tile set on its sheet (a .tsx file, XML), so that a level
// designer there sees what the game does with every tile: its type and values as the
// tile's type and properties, its blocking sides and slopes as collision lines, its frames
// as an animation.
#pragma once

#include <string>

#include "document/tile_set.h"

namespace tlstool {

// The sheet the tileset shows, as the map editor is to find it.
struct TsxSheet {
    std::string Name;         // the tileset's name
    std::string ImageSource;  // the picture's file name, beside the .tsx file
    int Cells = 0;            // 13 a row
    int Height = 0;           // pixels
};

// One map-editor tile per cell of the sheet, numbered as the cells are. A tile of the set
// below the sheet's cell count is written when it says anything: a type (as the type list's
// text, and "type_value"), a blocking kind or slope bits on a side ("blocking_top",
// "slope_top" as "L,R", or "bits_top" for slope bits no slope decodes to), with a polyline
// per blocking side and per slope, or a frame showing another cell (an animation of
// 125 ms a frame, the frames that show a cell the sheet lacks left out). Tiles at or past
// the cell count are left out. The same input gives the same text, ending in a newline.
std::string TileSetToTsx(const mosalind::TileSet& tileSet, const TsxSheet& sheet);

// The frames' duration: F3 plays 8 frames a second.
constexpr int kFrameMilliseconds = 125;

}  // namespace tlstool
