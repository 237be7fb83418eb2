// Timings of the editor core: reading and cutting the tallest tile sheet against a plain
// read of the same file, and saving and opening the largest tile set.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dev_support/bmp_writer.h"
#include "dev_support/temp_folder.h"
#include "document/tile_set_file.h"
#include "graphics/bitmap_reader.h"
#include "graphics/tile_graphics.h"

namespace {

using namespace mosalind;

constexpr int kTallestSheetHeight = 40320;  // 2520 rows of 13 cells: 32,760 cells

// The folder of the benchmark files, removed at exit.
const dev_support::TempDir& Folder() {
    static const dev_support::TempDir folder;
    return folder;
}

// The tallest accepted sheet, every pixel of it patterned; its palette is all black.
const std::string& TallestSheetPath() {
    static const std::string path = [] {
        const auto index = [](int x, int y) {
            const int stored = kTallestSheetHeight - 1 - y;
            const int pair = (stored * 104 + x / 2) * 37 + stored * 11;
            return x % 2 == 0 ? (pair >> 4) & 15 : pair & 15;
        };
        const std::string file = Folder().File("tallest.bmp");
        dev_support::WriteFileBytes(file, dev_support::EncodeBmp({208, kTallestSheetHeight, index, {}}));
        return file;
    }();
    return path;
}

std::vector<std::uint8_t> PlainRead(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::fseek(in, 0, SEEK_END);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::ftell(in)));
    std::fseek(in, 0, SEEK_SET);
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), in);
    std::fclose(in);
    bytes.resize(got);
    return bytes;
}

// Wall time and the thread's processor time (user and system, page faults included): the
// machine may be shared, and processor time is what the other work cannot inflate.
struct Stamp {
    std::chrono::steady_clock::time_point Wall;
    double Cpu;
};

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

Stamp Now() {
    return {std::chrono::steady_clock::now(), ThreadCpuSeconds()};
}

void AddSince(const Stamp& start, double& wall, double& cpu) {
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start.Wall).count();
    cpu += ThreadCpuSeconds() - start.Cpu;
}

// Both timed in the same iterations, so that the ratio compares like with like. Cold (0):
// freed memory goes back to the system before each part, so both fault their buffers in
// afresh, as a program's single Load Tiles does. Warm (1): freed memory is kept and reused.
void BM_CutAgainstPlainRead(benchmark::State& state) {
    const bool warm = state.range(0) == 1;
    if (warm) {
        mallopt(M_MMAP_THRESHOLD, 64 << 20);
        mallopt(M_TRIM_THRESHOLD, 256 << 20);
    }
    const std::string& path = TallestSheetPath();
    double plainWall = 0, plainCpu = 0, cutWall = 0, cutCpu = 0;
    for (auto _ : state) {
        if (!warm) {
            malloc_trim(0);
        }
        {
            const Stamp start = Now();
            const auto bytes = PlainRead(path);
            benchmark::DoNotOptimize(bytes.data());
            AddSince(start, plainWall, plainCpu);
        }
        if (!warm) {
            malloc_trim(0);
        }
        {
            const Stamp start = Now();
            const TileGraphics graphics = CutTiles(ReadBitmap(path));
            benchmark::DoNotOptimize(graphics.TilePlanes.data());
            AddSince(start, cutWall, cutCpu);
        }
    }
    const double perIteration = 1e3 / static_cast<double>(state.iterations());
    state.counters["plain_read_ms"] = plainWall * perIteration;
    state.counters["read_and_cut_ms"] = cutWall * perIteration;
    state.counters["ratio_wall"] = cutWall / plainWall;
    state.counters["ratio_cpu"] = cutCpu / plainCpu;
    std::printf(
        "%s cut/read ratio: %.2f by processor time (plain read %.3f ms, read and cut %.3f ms), "
        "%.2f by wall time (%.3f ms, %.3f ms); %d cells\n",
        warm ? "warm" : "cold", cutCpu / plainCpu, plainCpu * perIteration, cutCpu * perIteration, cutWall / plainWall,
        plainWall * perIteration, cutWall * perIteration, kTallestSheetHeight / 16 * 13);
}
BENCHMARK(BM_CutAgainstPlainRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PlainReadOfTallestSheet(benchmark::State& state) {
    const std::string& path = TallestSheetPath();
    for (auto _ : state) {
        auto bytes = PlainRead(path);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PlainReadOfTallestSheet)->Unit(benchmark::kMillisecond);

void BM_ReadAndCutTallestSheet(benchmark::State& state) {
    const std::string& path = TallestSheetPath();
    for (auto _ : state) {
        const TileGraphics graphics = CutTiles(ReadBitmap(path));
        benchmark::DoNotOptimize(graphics.TilePlanes.data());
    }
}
BENCHMARK(BM_ReadAndCutTallestSheet)->Unit(benchmark::kMillisecond);

void BM_ReadBitmapOfTallestSheet(benchmark::State& state) {
    const std::string& path = TallestSheetPath();
    for (auto _ : state) {
        const Bitmap bitmap = ReadBitmap(path);
        benchmark::DoNotOptimize(bitmap.Pixels.data());
    }
}
BENCHMARK(BM_ReadBitmapOfTallestSheet)->Unit(benchmark::kMillisecond);

void BM_CutTilesOfTallestSheetInMemory(benchmark::State& state) {
    const Bitmap bitmap = ReadBitmap(TallestSheetPath());
    for (auto _ : state) {
        const TileGraphics graphics = CutTiles(bitmap);
        benchmark::DoNotOptimize(graphics.TilePlanes.data());
    }
}
BENCHMARK(BM_CutTilesOfTallestSheetInMemory)->Unit(benchmark::kMillisecond);

TileSet LargestTileSet() {
    TileSet set;
    set.Header.TileCount = 1201;
    set.Header.FrameCount = 8;
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < 1201; ++tile) {
            set.TileAttributes[slot][tile] = static_cast<std::int16_t>((tile + slot) % 256);
        }
    }
    for (int frame = 0; frame < 8; ++frame) {
        for (int tile = 0; tile < 1201; ++tile) {
            set.TileFrames[frame][tile] = static_cast<std::int16_t>((tile + frame) % 1024);
        }
    }
    return set;
}

TileGraphics GraphicsOf1024Cells() {
    TileGraphics graphics;
    graphics.BMPTileCount = 1024;
    graphics.TilePlanes.resize(1024 * 128);
    for (std::size_t i = 0; i < graphics.TilePlanes.size(); ++i) {
        graphics.TilePlanes[i] = static_cast<std::uint8_t>(i * 7);
    }
    return graphics;
}

// Every save goes through a temporary file, fsync and rename.
void BM_WriteLargestTileSet(benchmark::State& state) {
    const TileSet set = LargestTileSet();
    const TileGraphics graphics = GraphicsOf1024Cells();
    const std::string path = Folder().File("largest.tls");
    for (auto _ : state) {
        WriteTileSet(path, set, graphics);
    }
}
BENCHMARK(BM_WriteLargestTileSet)->Unit(benchmark::kMillisecond);

void BM_ReadLargestTileSet(benchmark::State& state) {
    const std::string path = Folder().File("largest-read.tls");
    WriteTileSet(path, LargestTileSet(), GraphicsOf1024Cells());
    const TileSet current;
    for (auto _ : state) {
        const TileSet opened = ReadTileSet(path, current);
        benchmark::DoNotOptimize(opened.TileFrames[7][1200]);
    }
}
BENCHMARK(BM_ReadLargestTileSet)->Unit(benchmark::kMicrosecond);

}  // namespace
