// Speed of the Try figure: one step of the core on a 40 x 24 map, and a whole second of the
// window (60 steps, each drawn at 2x with the overlay on), each set against a 16 ms frame
// (frame_share, by processor time).
#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>

#include "motion/figure_motion.h"
#include "window/try_window.h"

namespace {

using namespace mosalind;

// Tiles 0 to 3: a solid block, a platform, a slope rising a whole cell, one falling a cell
// (slope bytes 0xCC and 0x80 with blocking kind 1).
TileSet MotionSet() {
    TileSet set;
    set.Header.TileCount = 4;
    set.Header.FrameCount = 4;
    const std::int16_t sides[4][4] = {{1, 1, 1, 1}, {1, 0, 0, 0}, {0xCD, 1, 1, 1}, {0x81, 1, 1, 1}};
    for (std::size_t tile = 0; tile < 4; ++tile) {
        for (std::size_t side = 0; side < 4; ++side) {
            set.TileAttributes[side + 1][tile] = sides[tile][side];
        }
        set.TileFrames[0][tile] = static_cast<std::int16_t>(tile);
    }
    return set;
}

// Hills and platforms over a floor: the figure runs up and down slopes and lands.
TryMap MotionMap() {
    TryMap map = TryMap::Empty(kDefaultTryColumns, kDefaultTryRows);
    for (int column = 0; column < map.Columns; ++column) {
        map.Set(column, map.Rows - 1, 0);
        const int phase = column % 8;
        map.Set(column, map.Rows - 2, phase == 2 ? 2 : phase == 3 || phase == 4 ? 0 : phase == 5 ? 3 : -1);
        if (column % 6 == 0) {
            map.Set(column, map.Rows - 6, 1);
        }
    }
    return map;
}

// The processor time of one iteration, or of one of its `parts`, as a share of a 16 ms frame.
benchmark::Counter FrameShare(const benchmark::State& state, int parts) {
    return benchmark::Counter(static_cast<double>(state.iterations()) * parts * 0.016,
                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The keys of step i: runs right with a jump now and then, left on the way back.
FigureKeys KeysOf(long long i) {
    return {(i / 300) % 2 == 1, (i / 300) % 2 == 0, i % 45 == 0};
}

void BM_TryStep(benchmark::State& state) {
    const TileSet set = MotionSet();
    const TryMap map = MotionMap();
    const FigureStart start{2, kDefaultTryRows - 3};
    const MotionParameters parameters;
    Figure figure = FigureAtStart(set, map, start);
    long long i = 0;
    for (auto _ : state) {
        StepFigure(set, map, parameters, start, figure, KeysOf(i++));
        benchmark::DoNotOptimize(figure);
    }
    state.counters["frame_share"] = FrameShare(state, 1);
}
BENCHMARK(BM_TryStep);

void BM_TrySecondDrawnAt2x(benchmark::State& state) {
    EditingSession session;
    session.RestoreSet(MotionSet(), "");
    const TileSet& set = session.Set();
    QImage sheet(208, 16, QImage::Format_RGB32);
    for (int x = 0; x < sheet.width(); ++x) {
        for (int y = 0; y < sheet.height(); ++y) {
            sheet.setPixel(x, y, qRgb(x * 5 % 256, y * 15, (x + y) % 256));
        }
    }
    TryWindow::Sources sources;
    sources.Sheet = &sheet;
    sources.Zoom = [] { return 2; };
    sources.OverlayShown = [] { return true; };
    TryWindow window(session, sources, nullptr, nullptr);
    TryScratch scratch = session.Try();
    scratch.Map = MotionMap();
    session.SetTry(scratch);
    window.Restart();
    QImage target(kDefaultTryColumns * 32, kDefaultTryRows * 32, QImage::Format_ARGB32_Premultiplied);
    long long i = 0;
    for (auto _ : state) {
        for (int step = 0; step < 60; ++step) {
            StepFigure(set, session.Try().Map, session.Try().Parameters, session.Try().Start, window.Current,
                       KeysOf(i++));
            QPainter painter(&target);
            window.PaintMap(painter);
        }
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["frame_share"] = FrameShare(state, 1);
    state.counters["drawn_step_frame_share"] = FrameShare(state, 60);
}
BENCHMARK(BM_TrySecondDrawnAt2x)->Unit(benchmark::kMillisecond);

}  // namespace
