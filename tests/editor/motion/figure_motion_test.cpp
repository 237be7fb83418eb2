// The figure's rules of motion: a table of small scenes with what a player would see, and a
// property over random maps and key scripts. Side words are built here from their bits
// (blocking kind in bits 0-1, the slope byte above) and the slope lines computed here from
// the levels, not through the editor's slope codec.
#include "motion/figure_motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace mosalind {
namespace {

// Slope bytes with their levels, as the game knows them: (left, right, byte).
struct SlopeByte {
    int Left, Right, Byte;
};
constexpr SlopeByte kSlopeBytes[] = {{0, 1, 0xA0}, {0, 2, 0x90}, {0, 4, 0x80}, {1, 0, 0xE0}, {1, 2, 0xA4}, {1, 3, 0x94},
                                     {2, 0, 0xD4}, {2, 1, 0xE4}, {2, 3, 0xA8}, {2, 4, 0x98}, {3, 1, 0xD8}, {3, 2, 0xE8},
                                     {3, 4, 0xAC}, {4, 0, 0xCC}, {4, 2, 0xDC}, {4, 3, 0xEC}};

int SlopeWord(int kind, int left, int right) {
    for (const SlopeByte& slope : kSlopeBytes) {
        if (slope.Left == left && slope.Right == right) {
            return slope.Byte | kind;
        }
    }
    ADD_FAILURE() << "no slope byte for " << left << "," << right;
    return kind;
}

struct SceneTile {
    char Mark;
    int Type;
    int Top, RightSide, Bottom, LeftSide;
};

// The scenes' tiles, one mark each.
const std::vector<SceneTile>& SceneTiles() {
    static const std::vector<SceneTile> tiles = {
        {'#', 0, 1, 1, 1, 1},                    // a solid block
        {'=', 0, 1, 0, 0, 0},                    // a platform: only its top blocks
        {'/', 0, SlopeWord(1, 4, 0), 1, 1, 1},   // rises a whole cell to the right
        {'\\', 0, SlopeWord(1, 0, 4), 1, 1, 1},  // falls a whole cell to the right
        {'a', 0, SlopeWord(1, 4, 2), 1, 1, 1},   // two tiles rising a cell together
        {'b', 0, SlopeWord(1, 2, 0), 1, 1, 1},   //
        {'c', 0, SlopeWord(1, 0, 2), 1, 1, 1},   // two tiles falling a cell together
        {'e', 0, SlopeWord(1, 2, 4), 1, 1, 1},   //
        {'i', 0, 3, 1, 1, 1},                    // icy top
        {'s', 0, 2, 1, 1, 1},                    // slippery top
        {'k', 1, 0, 0, 0, 0},                    // "Kills", blocking nothing
        {'v', 0, 0, 0, SlopeWord(1, 1, 3), 0},   // a ceiling line from level 1 to 3
        {'d', 2, 1, 1, 1, 1},                    // "Door 1", solid
    };
    return tiles;
}

TileSet MakeSet(const std::vector<SceneTile>& tiles) {
    TileSet set;
    set.Header.TileCount = static_cast<std::int16_t>(tiles.size());
    set.Header.FrameCount = 4;
    for (std::size_t tile = 0; tile < tiles.size(); ++tile) {
        const SceneTile& scene = tiles[tile];
        const int values[5] = {scene.Type, scene.Top, scene.RightSide, scene.Bottom, scene.LeftSide};
        for (int slot = 0; slot < 5; ++slot) {
            set.TileAttributes[static_cast<std::size_t>(slot)][tile] = static_cast<std::int16_t>(values[slot]);
        }
    }
    return set;
}

TryMap MakeMap(const std::vector<std::string>& rows, const std::vector<SceneTile>& tiles) {
    TryMap map = TryMap::Empty(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int row = 0; row < map.Rows; ++row) {
        for (int column = 0; column < map.Columns; ++column) {
            for (std::size_t tile = 0; tile < tiles.size(); ++tile) {
                if (tiles[tile].Mark == rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]) {
                    map.Set(column, row, static_cast<int>(tile));
                }
            }
        }
    }
    return map;
}

struct Keys {
    FigureKeys Held;
    int Steps;
};
constexpr FigureKeys kNone{};
constexpr FigureKeys kRunRight{false, true, false};
constexpr FigureKeys kRunLeft{true, false, false};
constexpr FigureKeys kJump{false, false, true};

std::vector<Figure> RunScript(const TileSet& set, const TryMap& map, FigureStart start, const std::vector<Keys>& script,
                              const MotionParameters& parameters = {}) {
    std::vector<Figure> figures{FigureAtStart(set, map, start)};
    for (const Keys& keys : script) {
        for (int step = 0; step < keys.Steps; ++step) {
            Figure next = figures.back();
            StepFigure(set, map, parameters, start, next, keys.Held);
            figures.push_back(next);
        }
    }
    return figures;
}

bool AnyInAir(const std::vector<Figure>& figures, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < std::min(to, figures.size()); ++i) {
        if (figures[i].State == FigureState::Air) {
            return true;
        }
    }
    return false;
}

double HighestTop(const std::vector<Figure>& figures) {
    return std::min_element(figures.begin(), figures.end(),
                            [](const Figure& a, const Figure& b) { return a.Top < b.Top; })
        ->Top;
}

// How far the figure slides on a top once the run key is let go at full speed (2 pixels a
// step): the sum of 2 - k f while positive, for the default frictions 1/4, 1/16 and 1/64.
constexpr double kNormalSlide = 7;     // 8 steps: 16 - 36/4
constexpr double kSlipperySlide = 31;  // 32 steps: 64 - 528/16
constexpr double kIcySlide = 127;      // 128 steps: 256 - 8256/64

double SlideOn(char top) {
    const std::vector<SceneTile>& tiles = SceneTiles();
    const std::string floor(40, top);
    const TileSet set = MakeSet(tiles);
    const TryMap map = MakeMap({std::string(40, '.'), std::string(40, '.'), floor}, tiles);
    const std::vector<Figure> run = RunScript(set, map, {1, 1}, {{kRunRight, 40}, {kNone, 200}});
    return run.back().Left - run[40].Left;
}

TEST(FigureMotion, SmallScenesFeelAsTheSetSays) {
    const struct Scene {
        const char* Name;
        std::vector<std::string> Map;
        FigureStart Start;
        std::vector<Keys> Script;
        std::function<void(const std::vector<Figure>&)> Check;
    } scenes[] = {
        {"a floor holds the feet on its top edge",
         {"....", "....", "####"},
         {1, 0},
         {{kNone, 30}},
         [](const std::vector<Figure>& f) {
             EXPECT_EQ(f.back().Bottom(), 32);
             EXPECT_EQ(f.back().State, FigureState::Ground);
             EXPECT_EQ(f.back().Vy, 0);
         }},
        {"a wall stops the run at its left edge",
         {"......#", "......#", "#######"},
         {1, 1},
         {{kRunRight, 90}},
         [](const std::vector<Figure>& f) {
             EXPECT_EQ(f.back().Left + kFigureWidth, 96);
             EXPECT_EQ(f.back().Vx, 0);
         }},
        {"a platform three cells up is jumped through from below and stood on",
         {"....", "....", "....", ".==.", "....", "....", "####"},
         {1, 5},
         {{kJump, 1}, {kNone, 90}},
         [](const std::vector<Figure>& f) {
             EXPECT_EQ(f.back().Bottom(), 48);
             EXPECT_EQ(f.back().State, FigureState::Ground);
         }},
        {"a solid block three cells up stops the head, and the figure falls back",
         {"....", "....", "....", ".##.", "....", "....", "####"},
         {1, 5},
         {{kJump, 1}, {kNone, 90}},
         [](const std::vector<Figure>& f) {
             EXPECT_EQ(HighestTop(f), 64);
             EXPECT_EQ(f.back().Bottom(), 96);
         }},
        {"up two gentle slopes, a flat top and a steep slope, on the ground all the way",
         {"..........#.....", "......./###.....", "...ab###########", "################"},
         {1, 2},
         {{kRunRight, 120}},
         [](const std::vector<Figure>& f) {
             EXPECT_FALSE(AnyInAir(f, 1, f.size()));
             EXPECT_EQ(f.back().Bottom(), 16);
             EXPECT_EQ(f.back().Left + kFigureWidth, 160);  // stopped by the wall at column 10
         }},
        {"down two gentle slopes and a steep one, on the ground all the way",
         {"................", "###ce...........", "#####\\..........", "################"},
         {1, 0},
         {{kRunRight, 60}},
         [](const std::vector<Figure>& f) {
             EXPECT_FALSE(AnyInAir(f, 1, f.size()));
             EXPECT_EQ(f.back().Bottom(), 48);
         }},
        {"a sloped ceiling stops the head on its line at the centre",
         {"......", "..v...", "......", "......", "......", "######"},
         {2, 4},
         {{kJump, 1}, {kNone, 60}},
         [](const std::vector<Figure>& f) {
             EXPECT_NEAR(HighestTop(f), 16 + 8, 1);  // the line's middle lies two levels down
         }},
        {"running into \"Kills\" puts the figure back at the start, at rest",
         {"......", "...k..", "######"},
         {1, 1},
         {{kRunRight, 30}},
         [](const std::vector<Figure>& f) {
             const auto reset = std::find_if(f.begin() + 1, f.end(), [&](const Figure& figure) {
                 return figure.Left == f.front().Left && figure.Top == f.front().Top;
             });
             ASSERT_NE(reset, f.end());
             EXPECT_EQ(reset->Vx, 0);
             EXPECT_EQ(reset->Vy, 0);
         }},
    };
    const std::vector<SceneTile>& tiles = SceneTiles();
    const TileSet set = MakeSet(tiles);
    for (const Scene& scene : scenes) {
        SCOPED_TRACE(scene.Name);
        scene.Check(RunScript(set, MakeMap(scene.Map, tiles), scene.Start, scene.Script));
    }

    EXPECT_DOUBLE_EQ(SlideOn('#'), kNormalSlide);
    EXPECT_DOUBLE_EQ(SlideOn('s'), kSlipperySlide);
    EXPECT_DOUBLE_EQ(SlideOn('i'), kIcySlide);
}

// --- the property ----------------------------------------------------------------------

struct Cell {
    double Left, Top;
};

bool Overlaps(const Figure& f, double left, double top, double right, double bottom) {
    constexpr double kSlack = 1e-4;
    return f.Left + kFigureWidth > left + kSlack && f.Left < right - kSlack && f.Bottom() > top + kSlack &&
           f.Top < bottom - kSlack;
}

// The levels of a side word's slope, read from the byte table; none for a plain side.
std::optional<std::pair<int, int>> LevelsOf(int word) {
    for (const SlopeByte& slope : kSlopeBytes) {
        if ((word & 0xFC) == slope.Byte) {
            return std::make_pair(slope.Left, slope.Right);
        }
    }
    return std::nullopt;
}

double LineY(int word, int column, int row, double x) {
    const auto levels = *LevelsOf(word);
    const double across = std::clamp((x - column * 16.0) / 16.0, 0.0, 1.0);
    return row * 16.0 + 4.0 * (levels.first + (levels.second - levels.first) * across);
}

TEST(FigureMotion, RandomMapsAndKeysNeverBreakTheSidesOrSlopes) {
    std::mt19937 random(20261210);
    const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    int slopeSteps = 0;
    for (int trial = 0; trial < 200; ++trial) {
        // Random tiles: each side blocking or not, some tops and bottoms sloped.
        std::vector<SceneTile> tiles;
        for (int tile = 0; tile < 8; ++tile) {
            SceneTile scene{' ', 0, pick(4), pick(2), pick(2), pick(2)};
            if (pick(2) == 0) {
                const SlopeByte& slope = kSlopeBytes[pick(16)];
                scene.Top = 1 + pick(3);
                scene.Top |= slope.Byte;
            }
            if (pick(5) == 0) {
                scene.Bottom = 1 | kSlopeBytes[pick(16)].Byte;
            }
            tiles.push_back(scene);
        }
        const TileSet set = MakeSet(tiles);
        TryMap map = TryMap::Empty(14, 10);
        for (int row = 0; row < map.Rows; ++row) {
            for (int column = 0; column < map.Columns; ++column) {
                map.Set(column, row, pick(3) == 0 || row == map.Rows - 1 ? pick(8) : -1);
            }
        }
        const FigureStart start{1 + pick(12), 1 + pick(5)};
        map.Set(start.Column, start.Row, -1);
        map.Set(start.Column, start.Row - 1, -1);
        // The default parameters, and faster or slower figures.
        MotionParameters parameters;
        if (trial % 2 == 1) {
            parameters.RunSpeed = 0.5 + pick(16) * 0.5;
            parameters.RunAcceleration = 0.05 + pick(8) * 0.25;
            parameters.MaxFall = 1 + pick(16);
            parameters.JumpSpeed = 1 + pick(12);
        }

        Figure figure = FigureAtStart(set, map, start);
        for (int step = 0; step < 400; ++step) {
            const FigureKeys keys{pick(3) == 0, pick(2) == 0, pick(8) == 0};
            const Figure before = figure;
            StepFigure(set, map, parameters, start, figure, keys);
            SCOPED_TRACE(testing::Message()
                         << "trial " << trial << " step " << step << " at " << figure.Left << "," << figure.Top);
            for (int row = 0; row < map.Rows; ++row) {
                for (int column = 0; column < map.Columns; ++column) {
                    const int tile = map.At(column, row);
                    if (tile < 0) {
                        continue;
                    }
                    const SceneTile& scene = tiles[static_cast<std::size_t>(tile)];
                    const double left = column * 16.0, top = row * 16.0;
                    if (!Overlaps(figure, left, top, left + 16, top + 16) ||
                        Overlaps(before, left, top, left + 16, top + 16)) {
                        continue;
                    }
                    // The sides the box came from; a sloped tile's line stands for its
                    // top or bottom (checked below), so its sides are not judged here.
                    const bool sloped = LevelsOf(scene.Top) || LevelsOf(scene.Bottom);
                    if (sloped) {
                        continue;
                    }
                    bool allowed = false;
                    if (before.Bottom() <= top + 1e-4)
                        allowed = allowed || (scene.Top & 3) == 0;
                    if (before.Top >= top + 16 - 1e-4)
                        allowed = allowed || (scene.Bottom & 3) == 0;
                    if (before.Left + kFigureWidth <= left + 1e-4)
                        allowed = allowed || (scene.LeftSide & 3) == 0;
                    if (before.Left >= left + 16 - 1e-4)
                        allowed = allowed || (scene.RightSide & 3) == 0;
                    // Standing on a slope, the box's lower corners may reach into a tile.
                    const bool corner = figure.State == FigureState::Slope && figure.Bottom() - top <= 7 + 1e-4;
                    EXPECT_TRUE(allowed || corner)
                        << "entered tile " << tile << " at " << column << "," << row << " (sides " << scene.Top << " "
                        << scene.RightSide << " " << scene.Bottom << " " << scene.LeftSide << ") from " << before.Left
                        << "," << before.Top << " moving " << figure.Vx << "," << figure.Vy << " with keys "
                        << keys.Left << keys.Right << keys.Jump << ", state " << FigureStateWord(before.State) << " to "
                        << FigureStateWord(figure.State);
                }
            }
            // On a slope: the bottom on the line at the centre, within a pixel.
            if (figure.State == FigureState::Slope) {
                ++slopeSteps;
                const int column = static_cast<int>(std::floor(figure.CentreX() / 16));
                double nearest = 1e9;
                for (int row = 0; row < map.Rows; ++row) {
                    if (map.At(column, row) == figure.TileUnderFeet && LevelsOf(tiles[figure.TileUnderFeet].Top)) {
                        nearest = std::min(
                            nearest, std::abs(LineY(tiles[figure.TileUnderFeet].Top, column, row, figure.CentreX()) -
                                              figure.Bottom()));
                    }
                }
                EXPECT_LE(nearest, 1);
            }
            // Never through a sloped floor: a bottom on or above a blocking line under the
            // centre stays on or above it while the centre stays over that tile.
            const int column = static_cast<int>(std::floor(before.CentreX() / 16));
            if (column == static_cast<int>(std::floor(figure.CentreX() / 16))) {
                for (int row = 0; row < map.Rows; ++row) {
                    const int tile = map.At(column, row);
                    if (tile < 0 || (tiles[tile].Top & 3) == 0 || !LevelsOf(tiles[tile].Top)) {
                        continue;
                    }
                    const int word = tiles[tile].Top;
                    if (before.Bottom() <= LineY(word, column, row, before.CentreX()) + 1e-4) {
                        EXPECT_LE(figure.Bottom(), LineY(word, column, row, figure.CentreX()) + 1)
                            << "fell through the slope of tile " << tile << " at " << column << "," << row << " from "
                            << before.Left << "," << before.Top << " moving " << figure.Vx << "," << figure.Vy
                            << ", state " << FigureStateWord(before.State) << " to " << FigureStateWord(figure.State)
                            << " on tile " << figure.TileUnderFeet;
                    }
                }
            }
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
    EXPECT_GT(slopeSteps, 1000);  // the property has looked at slopes, not only flat ground
}

}  // namespace
}  // namespace mosalind
