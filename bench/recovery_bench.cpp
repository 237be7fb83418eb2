// The recovery file of the largest tile set (1,201 tiles, 8 frames, the tallest sheet's
// 32,760 cells of planes): its snapshot on the window's thread, its write on the keeper's
// thread, and reading it back at the next start, each against a plain Save of the same set
// timed in the same iterations (goal: at most 1.2 times a Save).
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "dev_support/temp_folder.h"
#include "document/recovery_file.h"
#include "document/tile_set_file.h"
#include "graphics/tile_sheet.h"

namespace {

using namespace mosalind;

TileSet LargestSet() {
    TileSet set;
    set.Header.TileCount = 1201;
    set.Header.FrameCount = 8;
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < 1201; ++tile) {
            set.TileAttributes[slot][tile] = static_cast<std::int16_t>((tile * 3 + slot) % 256);
        }
    }
    for (int frame = 0; frame < 8; ++frame) {
        for (int tile = 0; tile < 1201; ++tile) {
            set.TileFrames[frame][tile] = static_cast<std::int16_t>((tile + frame * 131) % 1024);
        }
    }
    return set;
}

TileGraphics TallestSheetPlanes() {
    TileGraphics graphics;
    graphics.BMPTileCount = 32760;
    graphics.TilePlanes.resize(32760u * 128);
    for (std::size_t i = 0; i < graphics.TilePlanes.size(); ++i) {
        graphics.TilePlanes[i] = static_cast<std::uint8_t>((i * 37) ^ (i >> 9));
    }
    return graphics;
}

// Wall time (a write waits for the disk) and the thread's processor time.
struct Clock {
    double Wall = 0;
    double Cpu = 0;
};

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Work>
void Time(Clock& clock, const Work& work) {
    const auto wall = std::chrono::steady_clock::now();
    const double cpu = ThreadCpuSeconds();
    work();
    clock.Wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    clock.Cpu += ThreadCpuSeconds() - cpu;
}

// An edit's write: the snapshot (the set only; the planes are the session's sheet's,
// shared) and the write (whose planes' checksum is known), against Save. The first write
// after a sheet is loaded shares the new sheet's planes too, copying nothing, and works out
// their checksum. The start reads all but the planes; they are read (and checked) only
// when the sheet's file is gone.
void BM_RecoveryFileAgainstSave(benchmark::State& state) {
    const dev_support::TempDir folder;
    const TileSet set = LargestSet();
    auto sheet = std::make_shared<TileSheet>();
    sheet->Graphics = TallestSheetPlanes();
    const TileGraphics& graphics = sheet->Graphics;
    // What the session's snapshot is given: the sheet's own planes, shared.
    const SharedPlanes planes(sheet, &sheet->Graphics.TilePlanes);
    RecoveryNote note;
    note.SheetPath = folder.File("tallest.bmp");
    note.OwnFile = folder.File("largest.tls");
    const std::string saved = folder.File("largest.tls");
    const std::string kept = folder.File("editor.recovery");
    RecoveryFileWriter writer(kept);
    writer.Write(MakeRecoverySnapshot(kept, note, set, graphics, planes));

    Clock save, snapshot, write, firstSnapshot, firstWrite, read, readPlanes;
    for (auto _ : state) {
        Time(save, [&] { WriteTileSet(saved, set, graphics); });
        RecoverySnapshot taken;
        Time(snapshot, [&] { taken = MakeRecoverySnapshot(kept, note, set, graphics, planes); });
        Time(write, [&] { writer.Write(taken); });
        Time(firstSnapshot, [&] { taken = MakeRecoverySnapshot(kept, note, set, graphics, planes); });
        Time(firstWrite, [&] { RecoveryFileWriter(kept).Write(taken); });
        Time(read, [&] {
            const RecoveredSet back = ReadRecoveryFile(kept);
            benchmark::DoNotOptimize(back.Document.TileFrames[7][1200]);
        });
        Time(readPlanes, [&] {
            const TileGraphics planes = ReadRecoveryPlanes(kept);
            benchmark::DoNotOptimize(planes.TilePlanes.data());
        });
    }
    const double perIteration = 1e3 / static_cast<double>(state.iterations());
    const auto ms = [perIteration](const Clock& clock) { return clock.Wall * perIteration; };
    const double editWall = snapshot.Wall + write.Wall;
    const double firstWall = firstSnapshot.Wall + firstWrite.Wall;
    state.counters["save_ms"] = ms(save);
    state.counters["snapshot_ms"] = ms(snapshot);
    state.counters["write_ratio"] = editWall / save.Wall;
    state.counters["first_write_ratio"] = firstWall / save.Wall;
    state.counters["read_ratio"] = read.Wall / save.Wall;
    state.counters["read_planes_ratio"] = readPlanes.Wall / save.Wall;
    std::printf(
        "recovery file / Save (%.2f ms), by wall time: an edit's write %.2f (snapshot %.3f ms on the window's "
        "thread + write %.2f ms), the first after a sheet load %.2f (snapshot %.2f ms + write %.2f ms); read at "
        "start %.3f (%.2f ms), its planes when the sheet is gone %.2f (%.2f ms); by processor time: %.2f, %.2f, "
        "%.3f, %.2f\n",
        ms(save), editWall / save.Wall, ms(snapshot), ms(write), firstWall / save.Wall, ms(firstSnapshot),
        ms(firstWrite), read.Wall / save.Wall, ms(read), readPlanes.Wall / save.Wall, ms(readPlanes),
        (snapshot.Cpu + write.Cpu) / save.Cpu, (firstSnapshot.Cpu + firstWrite.Cpu) / save.Cpu, read.Cpu / save.Cpu,
        readPlanes.Cpu / save.Cpu);
}
BENCHMARK(BM_RecoveryFileAgainstSave)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
