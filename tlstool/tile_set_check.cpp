#include "tile_set_check.h"

#include <cstdint>

#include "document/tile_collision.h"
#include "document/tile_set_file_layout.h"
#include "editing/tile_type_list.h"
#include "missing_cells.h"
#include "tile_set_json_fields.h"
#include "word_list.h"

namespace tlstool {

namespace {

class Findings {
public:
    explicit Findings(const std::string& name) : name_(name) {}

    void Add(const std::string& place, const std::string& what) {
        lines_.push_back(name_ + ": " + place + ": " + what);
    }
    std::vector<std::string> Lines() && { return std::move(lines_); }

private:
    std::string name_;
    std::vector<std::string> lines_;
};

std::string TilePlace(int tile) {
    return "tile " + std::to_string(tile);
}

void CheckHeader(const mosalind::TileSetFileContents& contents, Findings& findings, std::int64_t& cellsInFile) {
    const mosalind::TileSetHeader& header = contents.Document.Header;
    const std::int64_t tiles = header.TileCount;
    const std::int64_t frames = header.FrameCount;
    if (frames != 4 && frames != 8) {
        findings.Add("header", "the frame count " + std::to_string(frames) + " is neither 4 nor 8");
    }
    const struct {
        const char* Name;
        std::int64_t Value;
        std::int64_t SectionStart;
    } offsets[] = {
        {"attribute offset", header.AttributeOffset, mosalind::kHeaderBytes},
        {"frame offset", header.FrameOffset, mosalind::FrameSectionStart(tiles)},
        {"planes offset", header.PlanesOffset, mosalind::FrameSectionEnd(tiles, frames)},
    };
    for (const auto& offset : offsets) {
        const std::int64_t expected = offset.SectionStart + mosalind::kCountedHeaderBytes - mosalind::kHeaderBytes;
        if (offset.Value != expected) {
            findings.Add("header", std::string("the ") + offset.Name + " is " + std::to_string(offset.Value) +
                                       ", but " + std::to_string(tiles) + " tiles of " + std::to_string(frames) +
                                       " frames put it at " + std::to_string(expected));
        }
    }
    const std::int64_t planarBytes = static_cast<std::int64_t>(contents.AfterFrames.size());
    if (planarBytes % mosalind::kCellPlanarBytes != 0) {
        findings.Add("length", "the file is " + std::to_string(mosalind::FrameSectionEnd(tiles, frames) + planarBytes) +
                                   " bytes long, leaving " + std::to_string(planarBytes) +
                                   " bytes after the frame section, which is not a whole number of 128-byte cells");
        cellsInFile = -1;
        return;
    }
    cellsInFile = planarBytes / mosalind::kCellPlanarBytes;
    const std::int64_t planeBytes = cellsInFile * mosalind::kPlaneBytesPerCell;
    if (header.PlaneSize != planeBytes) {
        findings.Add("header", "the plane size is " + std::to_string(header.PlaneSize) + ", but the file's " +
                                   std::to_string(cellsInFile) + " cells make planes of " + std::to_string(planeBytes) +
                                   " bytes");
    }
}

void CheckSides(const mosalind::TileSet& tileSet, int tile, Findings& findings) {
    const mosalind::TileCollision collision = mosalind::ReadTileCollision(tileSet, tile);
    for (int side = 0; side < mosalind::kTileSides; ++side) {
        const int slopeBits = collision.Sides[side].UnreadableSlopeBits();
        if (slopeBits == 0) {
            continue;
        }
        const std::string place = TilePlace(tile) + ", " + kSideFields[side] + " side";
        if ((slopeBits & mosalind::kSlopeCarriedBit) == 0) {
            findings.Add(place, "slope bits " + std::to_string(slopeBits) + " without bit 7 (the side's slope)");
        } else {
            findings.Add(place, "slope bits " + std::to_string(slopeBits) + " do not decode to a slope");
        }
    }
}

// One line for the tile's stored values that are not a cell's offset, one for its frames
// that show a cell the sheet lacks; frames counted from 1, as the window's buttons are.
void CheckFrames(const mosalind::TileSetFileContents& contents, int tile, std::int64_t cells, const std::string& whose,
                 Findings& findings) {
    const mosalind::TileSet& tileSet = contents.Document;
    std::vector<std::string> frames;
    std::vector<std::string> values;
    for (int frame = 0; frame < tileSet.Header.FrameCount; ++frame) {
        const int stored = contents.StoredFrames[frame][tile];
        if (stored % mosalind::kFrameValueScale != 0) {
            frames.push_back(std::to_string(frame + 1));
            values.push_back(std::to_string(stored));
        }
    }
    if (frames.size() == 1) {
        findings.Add(TilePlace(tile), "frame " + frames[0] + " stores " + values[0] +
                                          ", which is not a multiple of 32 (a cell's offset)");
    } else if (!frames.empty()) {
        findings.Add(TilePlace(tile), "frames " + WordList(frames) + " store " + WordList(values) +
                                          ", which are not multiples of 32 (a cell's offset)");
    }
    if (cells >= 0) {
        const std::vector<FrameCell> missing = FramesShowingMissingCells(tileSet, tile, cells);
        if (!missing.empty()) {
            findings.Add(TilePlace(tile), DescribeMissingCells(missing, whose));
        }
    }
}

}  // namespace

std::vector<std::string> CheckTileSet(const mosalind::TileSetFileContents& contents, const std::string& name,
                                      const mosalind::TileGraphics* sheet) {
    Findings findings(name);
    std::int64_t cellsInFile = -1;
    CheckHeader(contents, findings, cellsInFile);
    if (sheet != nullptr && contents.AfterFrames != sheet->TilePlanes) {
        findings.Add("planes", "the planar graphics are not the sheet's (" + std::to_string(sheet->BMPTileCount) +
                                   " cells); tlstool refresh writes them anew");
    }

    const mosalind::TileSet& tileSet = contents.Document;
    const std::int64_t cells = sheet != nullptr ? sheet->BMPTileCount : cellsInFile;
    const std::string whose = sheet != nullptr
                                  ? "the sheet's " + std::to_string(cells) + " cells"
                                  : "the " + std::to_string(cells) + " cells in the file's planar graphics";
    for (int tile = 0; tile < tileSet.Header.TileCount; ++tile) {
        const std::int16_t type = tileSet.TileAttributes[0][tile];
        if (!mosalind::IsListedTileType(type)) {
            findings.Add(TilePlace(tile), "type " + std::to_string(type) + " has no row in the tile type list");
        }
        CheckSides(tileSet, tile, findings);
        CheckFrames(contents, tile, cells, whose, findings);
    }
    return std::move(findings).Lines();
}

}  // namespace tlstool
