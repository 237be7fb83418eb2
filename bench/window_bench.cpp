// Speed of the editor window's heavy paths: Load Tiles of the tallest sheet the editor
// accepts on a fresh window, as a user does it once a run, measured against the platform's
// decoding of the same file alone (the classic file, the same sheet with the 124-byte
// header paint programs write and as a 4-bit indexed PNG), and a full repaint of the
// largest tile sheet; and the sheet read again when its file changes.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>

#include <malloc.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dev_support/bmp_writer.h"
#include "dev_support/png_writer.h"
#include "dev_support/temp_folder.h"
#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace {

using mosalind::FrmMain;
using mosalind::ScriptedDialogs;
using mosalind::TileSet;

constexpr int kSheetWidth = 208;
constexpr int kTallestSheetHeight = 40320;  // 2,520 rows of 13 cells: 32,760 cells
constexpr int kLargestTileSet = 1201;

// The folder of the benchmark sheets, removed at exit.
const dev_support::TempDir& Folder() {
    static const dev_support::TempDir folder;
    return folder;
}

int SheetIndex(int x, int y) {
    const int cell = (y / 16) * 13 + x / 16;
    return x % 2 == 0 ? (cell + x) & 15 : (cell + y) & 15;
}

// A 16-colour sheet whose cells all differ.
dev_support::SheetPicture Sheet(int height) {
    dev_support::SheetPicture picture{kSheetWidth, height, SheetIndex, {}};
    for (int i = 0; i < 16; ++i) {
        picture.Palette.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 16),
                                   static_cast<std::uint8_t>(i * 7), 0});
    }
    return picture;
}

// The tallest sheet as a BMP with a 40- or a 124-byte header, written once each.
std::string TallestSheetPath(int headerSize = 40) {
    static std::map<int, std::string> written;
    auto [at, isNew] = written.try_emplace(headerSize);
    if (isNew) {
        at->second = Folder().File("tallest-" + std::to_string(headerSize) + ".bmp");
        dev_support::WriteFileBytes(at->second,
                                    dev_support::EncodeBmp(Sheet(kTallestSheetHeight), {.HeaderSize = headerSize}));
    }
    return at->second;
}

// The same sheet as a 4-bit indexed PNG written with libpng's defaults.
const std::string& TallestPngSheetPath() {
    static const std::string path = [] {
        const std::string file = Folder().File("tallest.png");
        dev_support::WriteFileBytes(file, dev_support::EncodePng(Sheet(kTallestSheetHeight)));
        return file;
    }();
    return path;
}

// Each round starts, like a run's one load, from memory given back to the system.
void QtDecode(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        QImage picture = QImageReader(path).read();
        if (picture.isNull())
            state.SkipWithError("the platform did not decode the sheet");
        benchmark::DoNotOptimize(picture.constBits());
        state.PauseTiming();
        picture = QImage();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

// The argument is the sheet file's information header size.
void BM_QtDecodeTallestSheet(benchmark::State& state) {
    QtDecode(state, QString::fromStdString(TallestSheetPath(static_cast<int>(state.range(0)))));
}

void BM_QtDecodeTallestPngSheet(benchmark::State& state) {
    QtDecode(state, QString::fromStdString(TallestPngSheetPath()));
}

// The core's part of Load Tiles alone: reading the file and cutting every cell.
void BM_ReadAndCutTallestSheet(benchmark::State& state) {
    const std::string path = TallestSheetPath();
    for (auto _ : state) {
        mosalind::TileGraphics graphics = mosalind::CutTiles(mosalind::ReadBitmap(path));
        benchmark::DoNotOptimize(graphics.TilePlanes.data());
    }
}

// Each load on a freshly made window; making and closing the window are not timed. Memory
// freed by the last round goes back to the system first, as the decode's does: a user
// loads one sheet a run, into memory the program has never touched.
void LoadTilesOnFreshWindows(benchmark::State& state, const QString& path) {
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<FrmMain>(&dialogs);
        dialogs.AnswerNextFileDialog(path);
        state.ResumeTiming();
        window->cmdLoad_Click();
        state.PauseTiming();
        if (window->Session.Graphics().BMPTileCount != 32760)
            state.SkipWithError("the sheet was not loaded");
        window.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

void BM_LoadTilesTallestSheet(benchmark::State& state) {
    LoadTilesOnFreshWindows(state, QString::fromStdString(TallestSheetPath(static_cast<int>(state.range(0)))));
}

void BM_LoadTilesTallestPngSheet(benchmark::State& state) {
    LoadTilesOnFreshWindows(state, QString::fromStdString(TallestPngSheetPath()));
}

// The sheet read again in a window that has it loaded already (F5, or its file changed):
// the old sheet's memory is given back as the new one's is filled.
void BM_ReloadTallestSheet(benchmark::State& state) {
    ScriptedDialogs dialogs;
    FrmMain window(&dialogs);
    dialogs.AnswerNextFileDialog(QString::fromStdString(TallestSheetPath(40)));
    window.cmdLoad_Click();
    for (auto _ : state) {
        if (window.ReloadSheet() || window.Session.Graphics().BMPTileCount != 32760) {
            state.SkipWithError("the sheet was not read again");
        }
    }
}

void BM_RepaintFullTileSheet(benchmark::State& state) {
    const std::string path = Folder().File("sheet.bmp");
    dev_support::WriteFileBytes(path, dev_support::EncodeBmp(Sheet(1472)));
    ScriptedDialogs dialogs;
    FrmMain window(&dialogs);
    dialogs.AnswerNextFileDialog(QString::fromStdString(path));
    window.cmdLoad_Click();
    mosalind::TileSet set;
    set.Header.TileCount = kLargestTileSet;
    for (int t = 0; t < kLargestTileSet; ++t) {
        set.TileFrames[0][t] = static_cast<std::int16_t>(kLargestTileSet - 1 - t);
    }
    window.Session.RestoreSet(set, {});
    window.picTilesScroller->resize(kSheetWidth, (kLargestTileSet + 12) / 13 * 16);
    window.frmControls->setEnabled(true);
    QImage target(window.picTilesScroller->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        window.picTilesScroller->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

BENCHMARK(BM_QtDecodeTallestSheet)->Arg(40)->Arg(124)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReadAndCutTallestSheet)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LoadTilesTallestSheet)->Arg(40)->Arg(124)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_QtDecodeTallestPngSheet)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LoadTilesTallestPngSheet)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReloadTallestSheet)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RepaintFullTileSheet)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so that main can print the ratio.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const std::string name =
                    run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
                RealTime[name] = run.GetAdjustedRealTime();
                CpuTime[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> RealTime;
    std::map<std::string, double> CpuTime;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // CPU time as well as wall time: on a busy machine the wall time of either side
    // swings with the load.
    const struct {
        const char* Sheet;
        const char* Suffix;
    } pairs[] = {{"40-byte header", "Sheet/40"}, {"124-byte header", "Sheet/124"}, {"4-bit indexed PNG", "PngSheet"}};
    for (const auto& pair : pairs) {
        for (const auto* times : {&reporter.RealTime, &reporter.CpuTime}) {
            const auto load = times->find(std::string("BM_LoadTilesTallest") + pair.Suffix);
            const auto decode = times->find(std::string("BM_QtDecodeTallest") + pair.Suffix);
            if (load != times->end() && decode != times->end() && decode->second > 0) {
                std::printf(
                    "Load Tiles of the tallest sheet (%s) on a fresh window / the platform's "
                    "decode alone (%s time): %.2f (target at most 1.5)\n",
                    pair.Sheet, times == &reporter.RealTime ? "wall" : "CPU", load->second / decode->second);
            }
        }
    }
    for (const auto* times : {&reporter.RealTime, &reporter.CpuTime}) {
        const auto plain = times->find("BM_RepaintSheet");
        const auto overlay = times->find("BM_RepaintSheetWithOverlay");
        if (plain != times->end() && overlay != times->end() && plain->second > 0) {
            std::printf(
                "Repaint of the visible tile sheet with the attribute overlay / without it (%s time): %.2f "
                "(target at most 2)\n",
                times == &reporter.RealTime ? "wall" : "CPU", overlay->second / plain->second);
        }
    }
    // A frame of 16 ms, in the microseconds these repaints are timed in.
    constexpr double kFrame = 16000;
    for (const auto* times : {&reporter.RealTime, &reporter.CpuTime}) {
        const auto atFour = times->find("BM_RepaintMaximisedSheetWithOverlay/4");
        const auto atOne = times->find("BM_RepaintMaximisedSheetWithOverlay/1");
        if (atFour != times->end() && atOne != times->end()) {
            std::printf(
                "Repaint of the maximised tile sheet with the attribute overlay / a 16 ms frame (%s time): "
                "%.3f at 4x (target below 1), %.3f at 1x\n",
                times == &reporter.RealTime ? "wall" : "CPU", atFour->second / kFrame, atOne->second / kFrame);
        }
    }
    for (const auto* times : {&reporter.RealTime, &reporter.CpuTime}) {
        const auto reload = times->find("BM_ReloadTallestSheet");
        const auto load = times->find("BM_LoadTilesTallestSheet/40");
        if (reload != times->end() && load != times->end() && load->second > 0) {
            std::printf("Reading the tallest sheet again / Load Tiles of it on a fresh window (%s time): %.2f\n",
                        times == &reporter.RealTime ? "wall" : "CPU", reload->second / load->second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
