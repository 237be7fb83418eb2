// Editing on the largest tile set (1,201 tiles, 8 frames): selecting a tile, switching
// the frame, undoing and redoing an edit, an edit of every tile at once and its undo, each
// with the repaint it asks for; the tile sheet repainted with and without the attribute
// overlay, and with it in the maximised window at 1x and 4x. The window is shown on the platform in use (offscreen in
// the scripts), so the repaints really paint.
#include <benchmark/benchmark.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "dev_support/bmp_writer.h"
#include "dev_support/temp_folder.h"
#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/scripted_dialogs.h"
#include "window/suggestions_box.h"
#include "window/zoomed_view.h"

namespace {

using mosalind::EditingSession;
using mosalind::FrmMain;
using mosalind::ScriptedDialogs;
using mosalind::TileValues;

int SheetIndex(int x, int y) {
    const int cell = (y / 16) * 13 + x / 16;
    return (x % 16) < 8 ? cell % 16 : (cell / 16) % 16;
}

constexpr int kSheetHeight = 1120;
constexpr int kTallestSheetHeight = 40320;  // 2520 rows of 13 cells

// A 208-pixel wide 16-colour sheet, every cell in its own two colours.
dev_support::SheetPicture Sheet(int height) {
    dev_support::SheetPicture picture{208, height, SheetIndex, {}};
    for (int i = 0; i < 16; ++i) {
        picture.Palette.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 16),
                                   static_cast<std::uint8_t>((i * 85) % 256), 0});
    }
    return picture;
}

// The editor with a sheet loaded and a 1,201-tile, 8-frame tile set opened.
struct LargestTileSet {
    explicit LargestTileSet(int sheetHeight = kSheetHeight) : Window(&Dialogs) {
        const std::string sheet = Folder.File("tiles.bmp");
        const std::string tileSet = Folder.File("largest.tls");
        dev_support::WriteFileBytes(sheet, dev_support::EncodeBmp(Sheet(sheetHeight)));
        mosalind::TileSet document;
        mosalind::FillNewTileSet(document, 1201, 8, 208, 1120);
        mosalind::WriteTileSet(tileSet, document, mosalind::TileGraphics{});

        Window.show();
        QCoreApplication::processEvents();
        Dialogs.AnswerNextFileDialog(QString::fromStdString(sheet));
        Window.cmdLoad->click();
        Dialogs.AnswerNextFileDialog(QString::fromStdString(tileSet));
        Window.cmdOpen->click();
        if (Window.Session.Set().Header.TileCount != 1201 || !Dialogs.Messages.empty()) {
            throw std::runtime_error("the benchmark tile set did not open");
        }
        QCoreApplication::processEvents();
    }

    dev_support::TempDir Folder;
    ScriptedDialogs Dialogs;
    FrmMain Window;
};

void BM_SelectTile(benchmark::State& state) {
    LargestTileSet editor;
    int tile = 0;
    for (auto _ : state) {
        tile = (tile + 97) % 1196;  // whole rows only: the sheet shows 92 rows of 13
        editor.Window.picTilesScroller_MouseDown(1, 0, (tile % 13) * 16 + 8, (tile / 13) * 16 + 8);
    }
    benchmark::DoNotOptimize(editor.Window.Session.CurrentTile());
}
BENCHMARK(BM_SelectTile)->Unit(benchmark::kMicrosecond);

void BM_SwitchFrame(benchmark::State& state) {
    LargestTileSet editor;
    int frame = 0;
    for (auto _ : state) {
        frame = (frame + 1) % 8;
        editor.Window.optAnim_Click(frame);
    }
    benchmark::DoNotOptimize(editor.Window.Session.CurrentFrame());
}
BENCHMARK(BM_SwitchFrame)->Unit(benchmark::kMicrosecond);

// One step of the history on the tallest sheet: the tile type of tile 1,195 (the last
// whole row), taken back or put again, with the tile shown again. Target: below 1 ms.
struct OneEditOnTallestSheet : LargestTileSet {
    OneEditOnTallestSheet() : LargestTileSet(kTallestSheetHeight) {
        Window.picTilesScroller_MouseDown(1, 0, (1195 % 13) * 16 + 8, (1195 / 13) * 16 + 8);
        Window.cboBehaviour->setCurrentIndex(5);
        Window.cboBehaviour_Click();
        if (Window.History->count() != 1) {
            throw std::runtime_error("the benchmark edit made no step");
        }
        Window.picTilesScroller_MouseDown(1, 0, 8, 8);  // another tile is current
    }
};

void BM_UndoStep(benchmark::State& state) {
    OneEditOnTallestSheet editor;
    for (auto _ : state) {
        editor.Window.actUndo_Triggered();
        state.PauseTiming();
        editor.Window.actRedo_Triggered();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(editor.Window.Session.Set().TileAttributes[0][1195]);
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

void BM_RedoStep(benchmark::State& state) {
    OneEditOnTallestSheet editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.Window.actUndo_Triggered();
        state.ResumeTiming();
        editor.Window.actRedo_Triggered();
    }
    benchmark::DoNotOptimize(editor.Window.Session.Set().TileAttributes[0][1195]);
}
BENCHMARK(BM_RedoStep)->Unit(benchmark::kMicrosecond);

// Every tile carrying a type, a blocking kind on each side and, every third tile, a slope:
// the overlay's most to draw.
void GiveEveryTileMarks(FrmMain& window) {
    std::vector<std::int16_t> tiles(1201);
    std::iota(tiles.begin(), tiles.end(), 0);
    mosalind::EditingSession& session = window.Session;
    session.Apply(session.MakeEdit("Marks", tiles, [](std::int16_t tile, mosalind::TileValues& values) {
        values.TileType = static_cast<std::int16_t>(1 + tile % 28);
        for (int side = 1; side <= 4; ++side) {
            const int slope = tile % 3 == 0 ? 0x80 | 0x10 : 0;
            values.Sides[side - 1] = static_cast<std::int16_t>(slope | (1 + (tile + side) % 3));
        }
    }));
}

// The visible part of the tile sheet repainted, without and with the attribute overlay.
void RepaintSheet(benchmark::State& state, bool overlay) {
    LargestTileSet editor;
    FrmMain& window = editor.Window;
    GiveEveryTileMarks(window);
    window.AttributesShown = overlay;
    for (auto _ : state) {
        window.picTilesScroller->repaint();
    }
}

void BM_RepaintSheet(benchmark::State& state) {
    RepaintSheet(state, false);
}
BENCHMARK(BM_RepaintSheet)->Unit(benchmark::kMicrosecond);

void BM_RepaintSheetWithOverlay(benchmark::State& state) {
    RepaintSheet(state, true);
}
BENCHMARK(BM_RepaintSheetWithOverlay)->Unit(benchmark::kMicrosecond);

// The window maximised on a 1280 x 1024 screen (a client area of 1280 x 1005 under the
// desktop's title bar) repainting the visible part of the tile sheet with the overlay on,
// at the zoom given. Target at 4x: below one frame, 16 ms.
void BM_RepaintMaximisedSheetWithOverlay(benchmark::State& state) {
    LargestTileSet editor;
    FrmMain& window = editor.Window;
    GiveEveryTileMarks(window);
    window.AttributesShown = true;
    window.resize(1280, 1005);
    QCoreApplication::processEvents();
    window.TilesZoom->ZoomTo(static_cast<int>(state.range(0)));
    if (window.size() != QSize(1280, 1005) || window.TilesZoom->Zoom() != state.range(0)) {
        throw std::runtime_error("the benchmark window was not maximised and zoomed");
    }
    for (auto _ : state) {
        window.picTilesScroller->repaint();
    }
}
BENCHMARK(BM_RepaintMaximisedSheetWithOverlay)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// A tile type chosen with every one of the 1,201 tiles selected, and its undo: one step
// of 1,201 tiles each, with the repaints they ask for.
struct AllTilesSelected : LargestTileSet {
    AllTilesSelected() {
        Window.keySelectAll_Activated();
        if (Window.Session.EditedTiles().size() != 1201) {
            throw std::runtime_error("the benchmark did not select every tile");
        }
    }
    void ChooseType(int row) {
        Window.cboBehaviour->setCurrentIndex(row);
        Window.cboBehaviour_Click();
    }
};

void BM_EditAllSelectedTiles(benchmark::State& state) {
    AllTilesSelected editor;
    int row = 1;
    for (auto _ : state) {
        row = row % 28 + 1;
        editor.ChooseType(row);
        state.PauseTiming();
        editor.Window.History->clear();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(editor.Window.Session.Set().TileAttributes[0][1200]);
}
BENCHMARK(BM_EditAllSelectedTiles)->Unit(benchmark::kMillisecond);

void BM_UndoAllSelectedTiles(benchmark::State& state) {
    AllTilesSelected editor;
    editor.ChooseType(5);
    for (auto _ : state) {
        editor.Window.actUndo_Triggered();
        state.PauseTiming();
        editor.Window.actRedo_Triggered();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(editor.Window.Session.Set().TileAttributes[0][1200]);
}
BENCHMARK(BM_UndoAllSelectedTiles)->Unit(benchmark::kMillisecond);

}  // namespace

// The largest set on the tallest sheet with the Suggestions box open, once every `step`-th
// tile has values (`give` writes them).
void OpenSuggestions(FrmMain& window, int step, const std::function<void(std::int16_t, mosalind::TileValues&)>& give) {
    std::vector<std::int16_t> tiles;
    for (int tile = 0; tile < 1201; tile += step) {
        tiles.push_back(static_cast<std::int16_t>(tile));
    }
    window.Session.Apply(window.Session.MakeEdit("Values", tiles, give));
    window.keySuggestions_Activated();
    if (window.SuggestionBox == nullptr || !window.SuggestionBox->isVisible()) {
        throw std::runtime_error("the Suggestions box did not open");
    }
}

// The suggestions for all 1,201 tiles of the largest set on the tallest sheet, worked out
// again as after every edit while the Suggestions box is open, once every `step`-th tile
// has values (`give` writes them). Target: below one frame, 16 ms.
void UpdateSuggestions(benchmark::State& state, int step,
                       const std::function<void(std::int16_t, mosalind::TileValues&)>& give) {
    LargestTileSet editor(kTallestSheetHeight);
    FrmMain& window = editor.Window;
    OpenSuggestions(window, step, give);
    for (auto _ : state) {
        window.SuggestionBox->Refresh();
    }
    benchmark::DoNotOptimize(window.SuggestionBox->Suggested().DifferingTiles().size());
}

// Every other tile has a type, so that the blank ones are looked up among those of the same
// art too.
void BM_UpdateSuggestionsTallestSheet(benchmark::State& state) {
    UpdateSuggestions(state, 2, [](std::int16_t tile, mosalind::TileValues& values) {
        values.TileType = static_cast<std::int16_t>(1 + tile % 28);
    });
}
BENCHMARK(BM_UpdateSuggestionsTallestSheet)->Unit(benchmark::kMillisecond);

// Learning at work: every tenth tile done by hand (blocking on its top, one in four of those
// also sloped), so that each blank tile is compared with 121 done tiles' art.
void BM_UpdateSuggestionsTenthDone(benchmark::State& state) {
    UpdateSuggestions(state, 10, [](std::int16_t tile, mosalind::TileValues& values) {
        values.Sides[0] = static_cast<std::int16_t>(tile % 40 == 0 ? 0x80 | 1 : 1);
    });
}
BENCHMARK(BM_UpdateSuggestionsTenthDone)->Unit(benchmark::kMillisecond);

// Learning as the user works: with every tenth tile done as above, a blank tile given a
// blocking top by hand (the list's click), which makes it done, and the Suggestions box
// following it (the tile done, then its values). Each step takes the next blank tile, and
// its undo is not timed, so that every edit makes a tile done.
void BM_EditOneTileWithSuggestionsOpen(benchmark::State& state) {
    LargestTileSet editor(kTallestSheetHeight);
    FrmMain& window = editor.Window;
    OpenSuggestions(window, 10, [](std::int16_t tile, mosalind::TileValues& values) {
        values.Sides[0] = static_cast<std::int16_t>(tile % 40 == 0 ? 0x80 | 1 : 1);
    });
    int tile = 1;
    for (auto _ : state) {
        state.PauseTiming();
        window.Session.ClickTile(tile, mosalind::TileSelection::Click::Plain);
        state.ResumeTiming();
        window.cboBlocking[0]->setCurrentIndex(1);
        emit window.cboBlocking[0]->activated(1);
        state.PauseTiming();
        window.History->undo();
        tile += tile % 10 == 9 ? 2 : 1;
        state.ResumeTiming();
    }
    if (!window.Session.DoneBlank().test(1) || tile >= 1201) {
        throw std::runtime_error("the benchmark's edits did not make blank tiles done");
    }
}
// Fewer steps than blank tiles: each one makes a tile done.
BENCHMARK(BM_EditOneTileWithSuggestionsOpen)->Unit(benchmark::kMillisecond)->Iterations(400);
