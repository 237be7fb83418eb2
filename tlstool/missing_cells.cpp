#include "missing_cells.h"

#include "word_list.h"

namespace tlstool {

namespace {

std::string CellsClause(const std::vector<FrameCell>& frames, const std::string& whose) {
    std::vector<std::string> cells;
    for (const FrameCell& frame : frames) {
        cells.push_back(std::to_string(frame.Cell));
    }
    const bool one = frames.size() == 1;
    return std::string(one ? " shows cell " : " show cells ") + WordList(cells) +
           (one ? ", which is not among " : ", which are not among ") + whose;
}

}  // namespace

std::vector<FrameCell> FramesShowingMissingCells(const mosalind::TileSet& tileSet, int tile, std::int64_t cells) {
    std::vector<FrameCell> missing;
    for (int frame = 0; frame < tileSet.Header.FrameCount; ++frame) {
        const int cell = tileSet.TileFrames[frame][tile];
        if (cell < 0 || cell >= cells) {
            missing.push_back({frame, cell});
        }
    }
    return missing;
}

std::string DescribeMissingCells(const std::vector<FrameCell>& frames, const std::string& whose) {
    std::vector<std::string> numbers;
    for (const FrameCell& frame : frames) {
        numbers.push_back(std::to_string(frame.Frame + 1));
    }
    return (frames.size() == 1 ? "frame " : "frames ") + WordList(numbers) + CellsClause(frames, whose);
}

std::string DescribeMissingCellsInJson(int tile, const std::vector<FrameCell>& frames, const std::string& whose) {
    std::vector<std::string> places;
    for (const FrameCell& frame : frames) {
        const std::string index = "[" + std::to_string(frame.Frame) + "]";
        places.push_back(places.empty() ? "tiles[" + std::to_string(tile) + "].frames" + index : index);
    }
    return WordList(places) + CellsClause(frames, whose);
}

}  // namespace tlstool
