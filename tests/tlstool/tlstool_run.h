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
struct RawTileSet {
    int TileCount = 0;
    int FrameCount = 0;
    int PlaneSize = 0;
    std::int32_t AttributeOffset = 0;
    std::int32_t FrameOffset = 0;
    std::int32_t PlanesOffset = 0;
    std::array<std::uint8_t, 44> Reserved{};
    std::array<std::vector<std::uint8_t>, 5> Attributes;  // [slot][tile]
    std::vector<std::vector<int>> StoredFrames;           // [frame][tile]
    Bytes Planes;

    // All attributes 0, every frame of tile t on cell t mod `cells`, the header as New makes it.
    static RawTileSet Plain(int tiles, int frames, int cells) {
        RawTileSet set;
        set.TileCount = tiles;
        set.FrameCount = frames;
        set.PlaneSize = 32 * cells;
        set.AttributeOffset = 64;
        set.FrameOffset = 64 + 5 * tiles;
        set.PlanesOffset = set.FrameOffset + 2 * tiles * frames;
        for (auto& slot : set.Attributes) {
            slot.assign(tiles, 0);
        }
        set.StoredFrames.assign(frames, std::vector<int>(tiles));
        for (auto& row : set.StoredFrames) {
            for (int tile = 0; tile < tiles; ++tile) {
                row[tile] = 32 * (tile % cells);
            }
        }
        return set;
    }

    Bytes FileBytes() const {
        Bytes bytes(62, 0);
        dev_support::PutLE16(bytes, 0, static_cast<std::uint16_t>(TileCount));
        dev_support::PutLE16(bytes, 2, static_cast<std::uint16_t>(FrameCount));
        dev_support::PutLE16(bytes, 4, static_cast<std::uint16_t>(PlaneSize));
        dev_support::PutLE32(bytes, 6, static_cast<std::uint32_t>(AttributeOffset));
        dev_support::PutLE32(bytes, 10, static_cast<std::uint32_t>(FrameOffset));
        dev_support::PutLE32(bytes, 14, static_cast<std::uint32_t>(PlanesOffset));
        std::copy(Reserved.begin(), Reserved.end(), bytes.begin() + 18);
        for (const auto& slot : Attributes) {
            bytes.insert(bytes.end(), slot.begin(), slot.end());
        }
        for (const auto& row : StoredFrames) {
            for (const int stored : row) {
                dev_support::AppendLE16(bytes, static_cast<std::uint32_t>(stored));
            }
        }
        bytes.insert(bytes.end(), Planes.begin(), Planes.end());
        return bytes;
    }
};

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
