// The bytes refresh and import write, built here from the file layout: the header as the
// set has it (or as New makes it), the attribute rows, the frame values as cell x 32 and
// the sheet's planes, whatever kind of sheet file holds the picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dev_support/png_writer.h"
#include "tlstool_run.h"

namespace tlstool_test {
namespace {

constexpr int kRows = 20;  // 260 cells
constexpr int kCells = 13 * kRows;

class TlstoolFileBytes : public TlstoolProgram {
protected:
    const dev_support::SheetPicture picture_ =
        testing_support::TestPicture(208, 16 * kRows, testing_support::CellPatternColour);
    const Bytes planes_ = testing_support::SheetPlanes(208, 16 * kRows, testing_support::CellPatternColour);
};

TEST_F(TlstoolFileBytes, RefreshKeepsTheSetAndWritesTheSheetsPlanes) {
    // A set whose frame values are not all cells x 32 and whose header nothing computed: the
    // values are read as cells (divided by 32, truncated toward zero) and written back x 32;
    // the header stays as it is.
    RawTileSet foreign = PlainTileSet(300, 8, kCells);
    foreign.PlaneSize = 5;
    foreign.PlanesOffset = -1;
    foreign.Reserved[7] = 0x77;
    foreign.StoredFrames[3][299] = 40;
    foreign.StoredFrames[7][0] = -33;
    foreign.Attributes[4][12] = 0xB3;
    foreign.Attributes[0][299] = 255;
    RawTileSet expected = foreign;
    expected.StoredFrames[3][299] = 32;
    expected.StoredFrames[7][0] = -32;
    expected.Planes = planes_;
    const std::string set = Write("foreign.tls", foreign.FileBytes());

    const struct {
        const char* Name;
        Bytes File;
    } sheets[] = {
        {"sheet.bmp", dev_support::EncodeBmp(picture_)},
        {"header124.bmp", dev_support::EncodeBmp(picture_, {.HeaderSize = 124})},
        {"8bit.bmp", dev_support::EncodeBmp(picture_, {.BitsPerPixel = 8})},
        {"sheet.png", dev_support::EncodePng(picture_)},
    };
    for (const auto& sheetFile : sheets) {
        SCOPED_TRACE(sheetFile.Name);
        const std::string sheet = Write(sheetFile.Name, sheetFile.File);
        const testing_support::ProgramResult result = Run({"refresh", set, "--sheet", sheet, "-o", File("out.tls")});
        ASSERT_EQ(result.ExitStatus, 0) << result.Err;
        EXPECT_EQ(result.Out, "");
        // Cell -1 is kept, and named: tile 0's eighth frame.
        EXPECT_EQ(result.Err, "tlstool: warning: " + set +
                                  ": tile 0: frame 8 shows cell -1, which is not among the sheet's 260 cells\n");
        EXPECT_EQ(dev_support::ReadFileBytes(File("out.tls")), expected.FileBytes());

        // In place, the same.
        std::filesystem::copy_file(set, File("in-place.tls"), std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(Run({"refresh", File("in-place.tls"), "--sheet", sheet}).ExitStatus, 0);
        EXPECT_EQ(dev_support::ReadFileBytes(File("in-place.tls")), expected.FileBytes());
    }
}

TEST_F(TlstoolFileBytes, ImportWithoutHeaderWritesWhatNewMakes) {
    // New's 910 tiles with 4 frames on 260 cells: every attribute 0, the frames of tile t on
    // cell t mod 260, a plane of 32 bytes a cell, the offsets counted from 64.
    std::string text =
        "{\n  \"format\": \"mosalind-tile-set\",\n  \"version\": 1,\n  \"frame_count\": 4,\n  \"tiles\": [\n";
    for (int tile = 0; tile < 910; ++tile) {
        const std::string cell = std::to_string(tile % kCells);
        text +=
            "    { \"type\": \"Nothing\", \"top\": { \"blocking\": 0 }, \"right\": { \"blocking\": 0 }, \"bottom\": "
            "{ \"blocking\": 0 }, \"left\": { \"blocking\": 0 }, \"frames\": [" +
            cell + ", " + cell + ", " + cell + ", " + cell + "] }" + (tile < 909 ? ",\n" : "\n");
    }
    text += "  ]\n}\n";
    const std::string json = WriteText("new.json", text);
    RawTileSet expected = PlainTileSet(910, 4, kCells);
    expected.Planes = planes_;
    ASSERT_EQ(expected.PlaneSize, 8320);
    ASSERT_EQ(expected.PlanesOffset, 64 + 5 * 910 + 2 * 910 * 4);

    const testing_support::ProgramResult result =
        Run({"import", json, "--sheet", Write("sheet.bmp", dev_support::EncodeBmp(picture_)), "-o", File("out.tls")});
    ASSERT_EQ(result.ExitStatus, 0) << result.Err;
    EXPECT_EQ(dev_support::ReadFileBytes(File("out.tls")), expected.FileBytes());
}

}  // namespace
}  // namespace tlstool_test
