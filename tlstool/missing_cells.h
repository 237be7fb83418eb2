// Frames that show a cell the sheet does not have: a cell below 0, or at or past the sheet's
// cell count. The editor draws nothing for such a frame and the map editor has no tile for
// it; the file keeps it all the same (a foreign set must come back byte for byte), so the
// commands only say so.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/tile_set.h"

namespace tlstool {

struct FrameCell {
    int Frame = 0;  // 0 to FrameCount - 1
    int Cell = 0;
};

// The frames in use of `tile` whose cell is not one of `cells` cells, in frame order.
std::vector<FrameCell> FramesShowingMissingCells(const mosalind::TileSet& tileSet, int tile, std::int64_t cells);

// "frame 2 shows cell 300, which is not among WHOSE" or "frames 2 and 5 show cells 300 and
// -1, which are not among WHOSE", the frames counted from 1 as the window's buttons count
// them; `whose` is for example "the sheet's 260 cells".
std::string DescribeMissingCells(const std::vector<FrameCell>& frames, const std::string& whose);

// The same with the frames named as the text form's places: "tiles[12].frames[1] and [4]
// show cells 300 and -1, which are not among WHOSE" (the text form counts from 0).
std::string DescribeMissingCellsInJson(int tile, const std::vector<FrameCell>& frames, const std::string& whose);

}  // namespace tlstool
