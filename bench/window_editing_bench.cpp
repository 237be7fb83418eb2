// Editing on the largest tile set (1,201 tiles, 8 frames): selecting a tile and switching
// the frame, each with the repaint it asks for. The window is shown on the platform in
// use (offscreen in the scripts), so the repaints really paint.
#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QPushButton>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "dev_support/bmp_writer.h"
#include "dev_support/temp_folder.h"
#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace {

using mosalind::FrmMain;
using mosalind::ScriptedDialogs;

int SheetIndex(int x, int y) {
    const int cell = (y / 16) * 13 + x / 16;
    return (x % 16) < 8 ? cell % 16 : (cell / 16) % 16;
}

// A 208 x 1120 16-colour sheet, every cell in its own two colours.
dev_support::SheetPicture Sheet() {
    dev_support::SheetPicture picture{208, 1120, SheetIndex, {}};
    for (int i = 0; i < 16; ++i) {
        picture.Palette.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 16),
                                   static_cast<std::uint8_t>((i * 85) % 256), 0});
    }
    return picture;
}

// The editor with the sheet loaded and a 1,201-tile, 8-frame tile set opened.
struct LargestTileSet {
    LargestTileSet() : window(&dialogs) {
        const std::string sheet = folder.File("tiles.bmp");
        const std::string tileSet = folder.File("largest.tls");
        dev_support::WriteFileBytes(sheet, dev_support::EncodeBmp(Sheet()));
        mosalind::TileSet document;
        mosalind::FillNewTileSet(document, 1201, 8, 208, 1120);
        mosalind::WriteTileSet(tileSet, document, mosalind::TileGraphics{});

        window.show();
        QCoreApplication::processEvents();
        dialogs.AnswerNextFileDialog(QString::fromStdString(sheet));
        window.cmdLoad->click();
        dialogs.AnswerNextFileDialog(QString::fromStdString(tileSet));
        window.cmdOpen->click();
        if (window.Document.Header.TileCount != 1201 || !dialogs.messages.empty()) {
            throw std::runtime_error("the benchmark tile set did not open");
        }
        QCoreApplication::processEvents();
    }

    dev_support::TempDir folder;
    ScriptedDialogs dialogs;
    FrmMain window;
};

void BM_SelectTile(benchmark::State& state) {
    LargestTileSet editor;
    int tile = 0;
    for (auto _ : state) {
        tile = (tile + 97) % 1196;  // whole rows only: the sheet shows 92 rows of 13
        editor.window.picTilesScroller_MouseDown(1, 0, (tile % 13) * 16 + 8, (tile / 13) * 16 + 8);
    }
    benchmark::DoNotOptimize(editor.window.CurrentTile);
}
BENCHMARK(BM_SelectTile)->Unit(benchmark::kMicrosecond);

void BM_SwitchFrame(benchmark::State& state) {
    LargestTileSet editor;
    int frame = 0;
    for (auto _ : state) {
        frame = (frame + 1) % 8;
        editor.window.optAnim_Click(frame);
    }
    benchmark::DoNotOptimize(editor.window.CurrentFrame);
}
BENCHMARK(BM_SwitchFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
