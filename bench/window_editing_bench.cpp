// Editing on the largest tile set (1,201 tiles, 8 frames): selecting a tile and switching
// the frame, each with the repaint it asks for. The window is shown on the platform in
// use (offscreen in the scripts), so the repaints really paint.
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace {

using mosalind::FrmMain;
using mosalind::ScriptedDialogs;

void PutLE(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A 208 x 1120 16-colour sheet, every cell in its own two colours.
void WriteSheet(const QString& path) {
    constexpr int kWidth = 208;
    constexpr int kHeight = 1120;
    constexpr int kStride = kWidth / 2;
    std::vector<std::uint8_t> bytes(118 + kStride * kHeight, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
    PutLE(bytes, 10, 118, 4);
    PutLE(bytes, 14, 40, 4);
    PutLE(bytes, 18, kWidth, 4);
    PutLE(bytes, 22, kHeight, 4);
    PutLE(bytes, 26, 1, 2);
    PutLE(bytes, 28, 4, 2);
    PutLE(bytes, 34, kStride * kHeight, 4);
    PutLE(bytes, 46, 16, 4);
    for (int i = 0; i < 16; ++i) {
        bytes[54 + 4 * i] = static_cast<std::uint8_t>(i * 16);
        bytes[54 + 4 * i + 1] = static_cast<std::uint8_t>(255 - i * 16);
        bytes[54 + 4 * i + 2] = static_cast<std::uint8_t>((i * 85) % 256);
    }
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; x += 2) {
            const int cell = (y / 16) * 13 + x / 16;
            const int colour = (x % 16) < 8 ? cell % 16 : (cell / 16) % 16;
            bytes[118 + (kHeight - 1 - y) * kStride + x / 2] = static_cast<std::uint8_t>(colour * 17);
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("cannot write the benchmark sheet");
    }
}

// The editor with the sheet loaded and a 1,201-tile, 8-frame tile set opened.
struct LargestTileSet {
    LargestTileSet() : window(&dialogs) {
        const QString sheet = folder.filePath("tiles.bmp");
        const QString tileSet = folder.filePath("largest.tls");
        WriteSheet(sheet);
        mosalind::TileSet document;
        mosalind::FillNewTileSet(document, 1201, 8, 208, 1120);
        mosalind::WriteTileSet(QFile::encodeName(tileSet).toStdString(), document, mosalind::TileGraphics{});

        window.show();
        QCoreApplication::processEvents();
        dialogs.AnswerNextFileDialog(sheet);
        window.cmdLoad->click();
        dialogs.AnswerNextFileDialog(tileSet);
        window.cmdOpen->click();
        if (window.Document.Header.TileCount != 1201 || !dialogs.messages.empty()) {
            throw std::runtime_error("the benchmark tile set did not open");
        }
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
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
