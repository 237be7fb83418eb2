// tlstool writes what the editor's window writes: refresh the bytes of Load Tiles, Open and
// Save, import without a header the bytes of Load Tiles, New and Save.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/window_driver.h"
#include "tlstool/tlstool_run.h"

namespace tlstool_test {
namespace {

class TlstoolMatchesEditor : public TlstoolProgram {
protected:
    Bytes SavedByWindow(const std::string& sheet, const std::string& set) {
        testing_support::WindowDriver driver;
        driver.LoadTiles(sheet);
        if (set.empty()) {
            driver.New(0);
        } else {
            driver.Open(set);
        }
        driver.Save(File("window.tls"));
        EXPECT_TRUE(driver.Dialogs.Messages.empty());
        return dev_support::ReadFileBytes(File("window.tls"));
    }
};

TEST_F(TlstoolMatchesEditor, RefreshWritesWhatLoadTilesOpenAndSaveWrite) {
    // A set whose frame values are not all cells x 32 and whose header nothing computed: the
    // editor reads each value as its cell and writes the cell x 32 back, as refresh must.
    RawTileSet foreign = PlainTileSet(300, 8, 260);
    foreign.PlaneSize = 5;
    foreign.PlanesOffset = -1;
    foreign.Reserved[7] = 0x77;
    foreign.StoredFrames[3][299] = 40;
    foreign.StoredFrames[7][0] = -33;
    foreign.Attributes[4][12] = 0xB3;
    const std::string foreignSet = Write("foreign.tls", foreign.FileBytes());

    const std::string samples = MOSALIND_SAMPLES_DIR;
    for (const char* sheetName : {"tiles.bmp", "tiles-header124.bmp", "tiles-8bit.bmp", "tiles.png"}) {
        for (const std::string& set : {samples + "/tiles.tls", foreignSet}) {
            const std::string sheet = samples + "/" + sheetName;
            SCOPED_TRACE(sheet + " " + set);
            const Bytes expected = SavedByWindow(sheet, set);

            const testing_support::ProgramResult result =
                Run({"refresh", set, "--sheet", sheet, "-o", File("out.tls")});
            ASSERT_EQ(result.ExitStatus, 0) << result.Err;
            EXPECT_EQ(result.Out, "");
            // Cell -1 is kept as the editor keeps it, and named: tile 0's eighth frame.
            EXPECT_EQ(result.Err, set == foreignSet ? "tlstool: warning: " + foreignSet +
                                                          ": tile 0: frame 8 shows cell -1, which is not among the "
                                                          "sheet's 260 cells\n"
                                                    : "");
            EXPECT_EQ(dev_support::ReadFileBytes(File("out.tls")), expected);

            // In place, the same.
            std::filesystem::copy_file(set, File("in-place.tls"), std::filesystem::copy_options::overwrite_existing);
            ASSERT_EQ(Run({"refresh", File("in-place.tls"), "--sheet", sheet}).ExitStatus, 0);
            EXPECT_EQ(dev_support::ReadFileBytes(File("in-place.tls")), expected);
        }
    }
}

TEST_F(TlstoolMatchesEditor, ImportWithoutHeaderWritesWhatNewAndSaveWrite) {
    // New's 910 tiles on the sample sheet's 260 cells: every attribute 0, the frames of tile
    // t on cell t mod 260.
    std::string text =
        "{\n  \"format\": \"mosalind-tile-set\",\n  \"version\": 1,\n  \"frame_count\": 4,\n  \"tiles\": [\n";
    for (int tile = 0; tile < 910; ++tile) {
        const std::string cell = std::to_string(tile % 260);
        text +=
            "    { \"type\": \"Nothing\", \"top\": { \"blocking\": 0 }, \"right\": { \"blocking\": 0 }, \"bottom\": "
            "{ \"blocking\": 0 }, \"left\": { \"blocking\": 0 }, \"frames\": [" +
            cell + ", " + cell + ", " + cell + ", " + cell + "] }" + (tile < 909 ? ",\n" : "\n");
    }
    text += "  ]\n}\n";
    const std::string json = WriteText("new.json", text);
    const std::string sheet = MOSALIND_SAMPLES_DIR "/tiles.bmp";

    const testing_support::ProgramResult result = Run({"import", json, "--sheet", sheet, "-o", File("out.tls")});
    ASSERT_EQ(result.ExitStatus, 0) << result.Err;
    EXPECT_EQ(dev_support::ReadFileBytes(File("out.tls")), SavedByWindow(sheet, ""));
}

}  // namespace
}  // namespace tlstool_test
