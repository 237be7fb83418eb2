// Runs the built tlstool on files in a temporary folder, and builds the files it reads byte
// by byte: tile set files with any header and any stored frame values, and sheets whose
// planar graphics are computed here from the pixels.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/program_run.h"
#include "dev_support/bmp_writer.h"
#include "dev_support/temp_folder.h"
#include "support/test_files.h"
#include "support/tile_set_bytes.h"

namespace tlstool_test {

using dev_support::Bytes;

// A tile set file as it stands in bytes, frame values as stored (not cells).
using RawTileSet = testing_support::TileSetContent;

// All attributes 0, every frame of tile t on cell t mod `cells`, the header as New makes
// it, and the stored frame values filled in, for a test to change.
inline RawTileSet PlainTileSet(int tiles, int frames, int cells) {
    RawTileSet set = RawTileSet::Fresh(tiles, frames, 32 * cells, cells);
    set.StoredFrames = set.Frames;
    for (auto& row : set.StoredFrames) {
        for (int& value : row) {
            value *= 32;
        }
    }
    return set;
}

// A sheet of `rows` rows of cells, each cell its own two colours, and its planes.
struct TestSheet {
    Bytes Bmp;
    Bytes Planes;
    int Cells = 0;
};

inline TestSheet MakeSheet(int rows) {
    const int height = 16 * rows;
    return {dev_support::EncodeBmp(testing_support::TestPicture(208, height, testing_support::CellPatternColour)),
            testing_support::SheetPlanes(208, height, testing_support::CellPatternColour), 13 * rows};
}

class TlstoolProgram : public ::testing::Test {
protected:
    testing_support::ProgramResult Run(const std::vector<std::string>& arguments) {
        return testing_support::RunProgram(TLSTOOL_PATH, folder_.Path(), arguments);
    }

    std::string Write(const std::string& name, const Bytes& bytes) {
        dev_support::WriteFileBytes(folder_.Path() / name, bytes);
        return folder_.File(name);
    }
    std::string WriteText(const std::string& name, const std::string& text) {
        dev_support::WriteFileText(folder_.Path() / name, text);
        return folder_.File(name);
    }
    std::string File(const std::string& name) const { return folder_.File(name); }

    dev_support::TempDir folder_;
};

}  // namespace tlstool_test
