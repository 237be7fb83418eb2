// The sheet made from kept planes is the one that cuts into those very planes.
#include "graphics/sheet_from_planes.h"

#include <gtest/gtest.h>

#include <random>

#include "base/refused_error.h"

namespace mosalind {
namespace {

TEST(SheetFromPlanes, CutsBackIntoTheSamePlanesForAnyPlanes) {
    std::mt19937 random(22);
    std::vector<BMPPaletteEntry> palette(16);
    for (int i = 0; i < 16; ++i) {
        palette[i] = {static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i), 7, 0};
    }
    for (const int rows : {1, 3}) {
        TileGraphics planes;
        planes.BMPTileCount = static_cast<std::int16_t>(13 * rows);
        planes.TilePlanes.resize(static_cast<std::size_t>(planes.BMPTileCount) * 128);
        for (std::uint8_t& byte : planes.TilePlanes) {
            byte = static_cast<std::uint8_t>(random());
        }
        const Bitmap sheet = SheetFromPlanes(planes, palette);
        EXPECT_EQ(sheet.InfoHeader.Height, 16 * rows);
        EXPECT_EQ(sheet.Palette[15].Blue, 240);
        EXPECT_EQ(CutTiles(sheet).TilePlanes, planes.TilePlanes);
    }

    TileGraphics twelveCells;
    twelveCells.BMPTileCount = 12;
    twelveCells.TilePlanes.resize(12 * 128);
    EXPECT_THROW(SheetFromPlanes(twelveCells, palette), RefusedError);
}

}  // namespace
}  // namespace mosalind
