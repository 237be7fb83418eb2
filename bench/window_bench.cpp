// Speed of the editor window's heavy paths: Load Tiles of the tallest sheet the editor
// accepts on a fresh window, as a user does it once a run, measured against the platform's
// decoding of the same file alone (the classic file, the same sheet with the 124-byte
// header paint programs write and as a 4-bit indexed PNG), and a full repaint of the
// largest tile sheet.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace {

using mosalind::FrmMain;
using mosalind::ScriptedDialogs;

constexpr int kSheetWidth = 208;
constexpr int kTallestSheetHeight = 40320;  // 2,520 rows of 13 cells: 32,760 cells
constexpr int kLargestTileSet = 1201;

// A 16-colour bottom-up BMP whose cells all differ, with a 40- or a 124-byte header.
std::string WriteSheet(const std::string& path, int height, int headerSize = 40) {
    const int stride = kSheetWidth / 2;
    const std::size_t palette = 14 + static_cast<std::size_t>(headerSize);
    const std::size_t pixels = palette + 64;
    std::vector<unsigned char> bytes(pixels + static_cast<std::size_t>(stride) * height, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, static_cast<std::uint32_t>(pixels));
    put32(14, static_cast<std::uint32_t>(headerSize));
    put32(18, kSheetWidth);
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 4;
    put32(34, static_cast<std::uint32_t>(stride * height));
    put32(46, 16);
    for (int i = 0; i < 16; ++i) {
        bytes[palette + 4 * i] = static_cast<unsigned char>(i * 16);
        bytes[palette + 1 + 4 * i] = static_cast<unsigned char>(255 - i * 16);
        bytes[palette + 2 + 4 * i] = static_cast<unsigned char>(i * 7);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < kSheetWidth; x += 2) {
            const int cell = (y / 16) * 13 + x / 16;
            bytes[pixels + static_cast<std::size_t>(height - 1 - y) * stride + x / 2] =
                static_cast<unsigned char>(((cell + x) & 15) << 4 | ((cell + y) & 15));
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

void AppendPngBytes(png_structp png, png_bytep data, size_t count) {
    auto& out = *static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out.insert(out.end(), data, data + count);
}

// libpng's calls, in a function of plain locals only: an error jumps back to its start.
bool EncodePng(png_const_colorp palette, png_bytepp rows, int height, std::vector<unsigned char>* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, AppendPngBytes, nullptr);
    png_set_IHDR(png, info, kSheetWidth, static_cast<png_uint_32>(height), 4, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette, 16);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// The same sheet as WriteSheet's, as a 4-bit indexed PNG written with libpng's defaults.
std::string WritePngSheet(const std::string& path, int height) {
    const int stride = kSheetWidth / 2;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        rows[y] = pixels.data() + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < kSheetWidth; x += 2) {
            const int cell = (y / 16) * 13 + x / 16;
            rows[y][x / 2] = static_cast<unsigned char>(((cell + x) & 15) << 4 | ((cell + y) & 15));
        }
    }
    png_color palette[16];
    for (int i = 0; i < 16; ++i) {
        palette[i] = {static_cast<png_byte>(i * 7), static_cast<png_byte>(255 - i * 16), static_cast<png_byte>(i * 16)};
    }
    std::vector<unsigned char> bytes;
    if (!EncodePng(palette, rows.data(), height, &bytes)) {
        std::fprintf(stderr, "libpng could not write %s\n", path.c_str());
        std::exit(1);
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::filesystem::path TallestPngSheetFile() {
    return std::filesystem::temp_directory_path() / "mosalind-bench-tallest.png";
}

const std::string& TallestPngSheetPath() {
    static const std::string path = WritePngSheet(TallestPngSheetFile().string(), kTallestSheetHeight);
    return path;
}

std::filesystem::path TallestSheetFile(int headerSize) {
    return std::filesystem::temp_directory_path() /
           ("mosalind-bench-tallest-" + std::to_string(headerSize) + ".bmp");
}

std::string TallestSheetPath(int headerSize = 40) {
    static std::map<int, std::string> written;
    auto [at, isNew] = written.try_emplace(headerSize);
    if (isNew) {
        at->second = WriteSheet(TallestSheetFile(headerSize).string(), kTallestSheetHeight, headerSize);
    }
    return at->second;
}

// Each round starts, like a run's one load, from memory given back to the system.
void QtDecode(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        QImage picture = QImageReader(path).read();
        if (picture.isNull()) state.SkipWithError("the platform did not decode the sheet");
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
        if (window->Graphics.BMPTileCount != 32760) state.SkipWithError("the sheet was not loaded");
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

void BM_RepaintFullTileSheet(benchmark::State& state) {
    const std::string path =
        WriteSheet((std::filesystem::temp_directory_path() / "mosalind-bench-sheet.bmp").string(), 1472);
    ScriptedDialogs dialogs;
    FrmMain window(&dialogs);
    dialogs.AnswerNextFileDialog(QString::fromStdString(path));
    window.cmdLoad_Click();
    window.Document.Header.TileCount = kLargestTileSet;
    for (int t = 0; t < kLargestTileSet; ++t) {
        window.Document.TileFrames[0][t] = static_cast<std::int16_t>(kLargestTileSet - 1 - t);
    }
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
BENCHMARK(BM_RepaintFullTileSheet)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so that main can print the ratio.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const std::string name = run.run_name.function_name +
                                         (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
                realTime[name] = run.GetAdjustedRealTime();
                cpuTime[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> realTime;
    std::map<std::string, double> cpuTime;
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
        const char* sheet;
        const char* suffix;
    } pairs[] = {{"40-byte header", "Sheet/40"}, {"124-byte header", "Sheet/124"}, {"4-bit indexed PNG", "PngSheet"}};
    for (const auto& pair : pairs) {
        for (const auto* times : {&reporter.realTime, &reporter.cpuTime}) {
            const auto load = times->find(std::string("BM_LoadTilesTallest") + pair.suffix);
            const auto decode = times->find(std::string("BM_QtDecodeTallest") + pair.suffix);
            if (load != times->end() && decode != times->end() && decode->second > 0) {
                std::printf("Load Tiles of the tallest sheet (%s) on a fresh window / the platform's "
                            "decode alone (%s time): %.2f (target at most 1.5)\n",
                            pair.sheet, times == &reporter.realTime ? "wall" : "CPU", load->second / decode->second);
            }
        }
    }
    benchmark::Shutdown();
    for (const int header : {40, 124}) {
        std::filesystem::remove(TallestSheetFile(header));
    }
    std::filesystem::remove(TallestPngSheetFile());
    std::filesystem::remove(std::filesystem::temp_directory_path() / "mosalind-bench-sheet.bmp");
    return 0;
}
