// A window with a 910-tile, 8-frame tile set made by New from a 70-row sheet, ready for
// editing, and a way to read back what Save writes.
#pragma once

#include <gtest/gtest.h>

#include "support/test_files.h"
#include "support/window_driver.h"

namespace mosalind {

class EditingWindow : public ::testing::Test {
protected:
    static constexpr int kTiles = 910;

    void SetUp() override {
        const std::string sheet = dir.File("tiles.bmp");
        dev_support::WriteFileBytes(
            sheet, dev_support::EncodeBmp(testing_support::TestPicture(208, 1120, testing_support::CellPatternColour)));
        driver.LoadTiles(sheet);
        driver.New(1);
        ASSERT_TRUE(window.frmControls->isEnabled());
    }

    // Saves and returns the file's bytes.
    dev_support::Bytes Saved() {
        const std::string path = dir.File("saved.tls");
        driver.Save(path);
        return dev_support::ReadFileBytes(path);
    }
    // Byte of attribute `slot` of `tile` in a saved file of this tile set.
    static std::uint8_t AttributeByte(const dev_support::Bytes& file, int slot, int tile) {
        return file.at(62 + slot * kTiles + tile);
    }

    std::vector<bool> SlopeBoxes() const {
        std::vector<bool> boxes;
        for (const QPushButton* box : window.chkSlope) {
            boxes.push_back(box->isChecked());
        }
        return boxes;
    }

    dev_support::TempDir dir;
    testing_support::WindowDriver driver;
    FrmMain& window = driver.Window;
};

}  // namespace mosalind
