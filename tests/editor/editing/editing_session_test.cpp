// The session's edits as a property: any sequence of edits, undone step by step, gives back
// the bytes Save wrote before each edit, and redone gives back those after it; the tile
// (and frame) each step shows and whether anything is unsaved follow the steps.
#include "editing/editing_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "dev_support/temp_folder.h"
#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "editing/set_suggestions.h"
#include "editing/slope_codec.h"

namespace mosalind {
namespace {

using dev_support::Bytes;

constexpr int kTiles = 910;

class SessionHistory : public ::testing::Test {
protected:
    void SetUp() override { session.NewSet(kTiles, 8, 208, 1120); }

    Bytes Saved() {
        const std::string path = dir.File("saved.tls");
        WriteTileSet(path, session.Set(), TileGraphics{});
        return dev_support::ReadFileBytes(path);
    }

    // One random user action: a click with or without Shift and Ctrl, sometimes a copy,
    // then one of the edits the window offers, made but not yet applied.
    TileEdit RandomEdit() {
        session.ClickTile(Pick(0, kTiles - 1), static_cast<TileSelection::Click>(Pick(0, 3)));
        if (Pick(0, 5) == 0) {
            session.CopyCurrentTile();
        }
        switch (Pick(0, 4)) {
            case 0:
                return session.TileTypeEdit(static_cast<std::int16_t>(Pick(0, 3) == 0 ? 255 : Pick(0, 28)));
            case 1:
                return session.BlockingEdit(Pick(0, 3), Pick(0, 3));
            case 2: {
                std::array<bool, 4> sloped{};
                for (bool& side : sloped) {
                    side = Pick(0, 1) == 1;
                }
                const std::optional<std::uint8_t> byte = EncodeSlope(Pick(0, 4), Pick(0, 4));
                return session.SlopeEdit(sloped, byte.value_or(0x80));
            }
            case 3:
                session.SetCurrentFrame(Pick(0, 7));
                return session.FrameCellEdit(static_cast<std::int16_t>(Pick(0, 1023)));
            default:
                return session.PasteEdit(Pick(0, 1) == 1);
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    dev_support::TempDir dir;
    EditingSession session;
    std::mt19937 random{20261209};
};

TEST_F(SessionHistory, UndoAndRedoGiveBackTheBytesOfEveryStepAndShowItsTile) {
    // saved[i]: what Save writes with i steps applied; steps[i]: step i + 1.
    std::vector<Bytes> saved{Saved()};
    std::vector<TileEdit> steps;
    for (int action = 0; action < 400; ++action) {
        const TileEdit edit = RandomEdit();
        EXPECT_EQ(Saved(), saved.back()) << "making an edit wrote it, action " << action;
        if (edit.ChangesNothing()) {
            continue;
        }
        EXPECT_EQ(edit.CurrentTile, session.CurrentTile());
        session.Apply(edit);
        saved.push_back(Saved());
        EXPECT_NE(saved.back(), saved[saved.size() - 2]) << action;
        steps.push_back(edit);
    }
    ASSERT_GT(steps.size(), 250U);  // the seed gives many steps of every kind

    for (std::size_t step = steps.size(); step > 0; --step) {
        session.ClickTile(Pick(0, kTiles - 1), TileSelection::Click::Plain);  // the user looks elsewhere
        const TileEdit& edit = steps[step - 1];
        session.Revert(edit);
        ASSERT_EQ(Saved(), saved[step - 1]) << "undoing step " << step;
        EXPECT_EQ(session.CurrentTile(), edit.CurrentTile) << step;
        if (edit.Frame) {
            EXPECT_EQ(session.CurrentFrame(), *edit.Frame) << step;
        }
    }
    for (std::size_t step = 1; step <= steps.size(); ++step) {
        session.Apply(steps[step - 1]);
        ASSERT_EQ(Saved(), saved[step]) << "redoing step " << step;
        EXPECT_EQ(session.CurrentTile(), steps[step - 1].CurrentTile) << step;
        EXPECT_TRUE(session.Selection().Contains(session.CurrentTile())) << step;
    }
}

TEST_F(SessionHistory, UnsavedFollowsTheStepsFromTheSavedOne) {
    EXPECT_FALSE(session.IsUnsaved());
    const auto edit = [this](int tile, std::int16_t type) {
        session.ClickTile(tile, TileSelection::Click::Plain);
        TileEdit made = session.TileTypeEdit(type);
        session.Apply(made);
        return made;
    };
    const TileEdit first = edit(3, 5);
    EXPECT_TRUE(session.IsUnsaved());
    session.Revert(first);
    EXPECT_FALSE(session.IsUnsaved()) << "undone back to what New made";
    session.Apply(first);
    const TileEdit second = edit(4, 6);
    session.MarkSaved("/tmp/set.tls");
    EXPECT_EQ(session.OwnFile(), "/tmp/set.tls");
    EXPECT_FALSE(session.IsUnsaved());

    session.Revert(second);
    EXPECT_TRUE(session.IsUnsaved());
    // Another edit in place of the undone one gives another document at the same depth.
    const TileEdit other = edit(4, 7);
    EXPECT_TRUE(session.IsUnsaved());
    session.Revert(other);
    session.Apply(second);
    EXPECT_FALSE(session.IsUnsaved()) << "redone to what Save wrote";

    EXPECT_TRUE(session.TileTypeEdit(6).ChangesNothing()) << "the type tile 4 already has";
}

// Every edit the window offers, each once: the tiles it changes and the values after,
// worked out from the numbers of the case (tile 20 is copied: type 7, sides 1 to 4, frame f
// on cell 100 + f; tile 6 has a slope on its left side, 0x91; the set has 8 frames).
TEST_F(SessionHistory, EditsWriteTheirValuesIntoTheSelectedTiles) {
    session.Apply(session.MakeEdit("Values", {6}, [](std::int16_t, TileValues& values) { values.Sides[3] = 0x91; }));
    session.ClickTile(20, TileSelection::Click::Plain);
    session.Apply(session.MakeEdit("Values", {20}, [](std::int16_t, TileValues& values) {
        values = {7, {1, 2, 3, 4}, {100, 101, 102, 103, 104, 105, 106, 107}};
    }));
    session.CopyCurrentTile();
    // New put every frame of tile t on cell t.
    const auto newFrames = [](std::int16_t tile) {
        std::array<std::int16_t, kMaxFrames> frames;
        frames.fill(tile);
        return frames;
    };
    // A sheet of sky (colour 0) but for cell 5, solid colour 1: what the art suggests for a
    // tile showing cell 5 blocks on all four sides with kind 1.
    TileGraphics graphics;
    graphics.BMPTileCount = kTiles;
    graphics.TilePlanes.assign(static_cast<std::size_t>(kPlaneCount) * kTiles * kPlaneBytesPerCell, 0);
    for (int byte = 0; byte < kPlaneBytesPerCell; ++byte) {
        graphics.PlaneByte(0, 5, byte) = 0xFF;
    }
    SetSuggestions suggestions;
    suggestions.Empty.set(0);
    SheetFeatures features(graphics);
    suggestions.Update(session.Set(), features);
    struct Row {
        const char* Why;
        std::function<TileEdit()> Edit;
        std::vector<std::int16_t> Tiles;
        std::function<TileValues(std::int16_t tile)> After;
    };
    const auto select = [this](std::initializer_list<int> tiles) {
        bool first = true;
        for (const int tile : tiles) {
            session.ClickTile(tile, first ? TileSelection::Click::Plain : TileSelection::Click::Toggle);
            first = false;
        }
    };
    const auto sides = [&newFrames](std::int16_t tile, std::array<std::int16_t, 4> of5,
                                    std::array<std::int16_t, 4> of6) {
        return TileValues{0, tile == 5 ? of5 : of6, newFrames(tile)};
    };
    const std::vector<Row> rows = {
        {"a tile type",
         [&] {
             select({5, 6});
             return session.TileTypeEdit(24);
         },
         {5, 6},
         [&](std::int16_t tile) {
             TileValues after = sides(tile, {0, 0, 0, 0}, {0, 0, 0, 0x91});
             after.TileType = 24;
             return after;
         }},
        {"a blocking kind: the slope bits stay",
         [&] {
             select({5, 6});
             return session.BlockingEdit(3, 2);
         },
         {5, 6},
         [&](std::int16_t tile) {
             return sides(tile, {0, 0, 0, 2}, {0, 0, 0, 0x92});
         }},
        {"SET SLOPE (4, 0) on the top and right sides: the left one's slope cleared, its kind kept",
         [&] {
             select({5, 6});
             return session.SlopeEdit({true, true, false, false}, 0xCC);
         },
         {5, 6},
         [&](std::int16_t tile) {
             return sides(tile, {0xCC, 0xCC, 0, 0}, {0xCC, 0xCC, 0, 1});
         }},
        {"paste: type and sides into the selected tiles",
         [&] {
             select({5, 6});
             return session.PasteEdit(false);
         },
         {5, 6},
         [&](std::int16_t tile) {
             return TileValues{7, {1, 2, 3, 4}, newFrames(tile)};
         }},
        {"paste with frames: the frames too",
         [&] {
             select({5, 6});
             return session.PasteEdit(true);
         },
         {5, 6},
         [](std::int16_t) {
             return TileValues{7, {1, 2, 3, 4}, {100, 101, 102, 103, 104, 105, 106, 107}};
         }},
        {"a run along a row from frame 2",
         [&] {
             select({5});
             session.SetCurrentFrame(2);
             return session.FrameRunEdit(40, 1);
         },
         {5},
         [](std::int16_t) {
             return TileValues{0, {}, {5, 5, 40, 41, 42, 43, 44, 45}};
         }},
        {"a run down a column from frame 0",
         [&] {
             select({5});
             session.SetCurrentFrame(0);
             return session.FrameRunEdit(3, 13);
         },
         {5},
         [](std::int16_t) {
             return TileValues{0, {}, {3, 16, 29, 42, 55, 68, 81, 94}};
         }},
        {"accept: the suggested sides into the selected tiles that differ (tile 20 is done)",
         [&] {
             select({5, 20});
             return session.AcceptSuggestionsEdit(suggestions);
         },
         {5},
         [](std::int16_t) {
             return TileValues{0, {1, 1, 1, 1}, {5, 5, 5, 5, 5, 5, 5, 5}};
         }},
    };
    for (const Row& row : rows) {
        const TileEdit edit = row.Edit();
        std::vector<std::int16_t> changed;
        for (const TileChange& change : edit.Changes) {
            changed.push_back(change.Tile);
        }
        EXPECT_EQ(changed, row.Tiles) << row.Why;
        session.Apply(edit);
        for (const std::int16_t tile : row.Tiles) {
            EXPECT_EQ(ReadTileValues(session.Set(), tile), row.After(tile)) << row.Why << ", tile " << tile;
        }
        session.Revert(edit);
    }
    // A run that would pass the 16-bit cell numbers is no edit.
    session.SetCurrentFrame(0);
    EXPECT_TRUE(session.FrameRunEdit(32765, 1).ChangesNothing());
}

// Each operation tells its listeners exactly what it changed, once; a change that changes
// nothing is not told.
// The suggestions and the default empty colours the session keeps for its sheet follow
// every change that they are made of: a done tile's values edited and undone, a done tile
// nearer than any before, a tile marked done, another sheet. Sheet A: cells of sky (colour
// 0), a block of colour 5 (cell 1), the same block with one pixel of colour 6 (cell 2),
// colour 9 alone (cell 4); sheet B: the same with colour 7 filling cells 5 to 15, so that 7
// is the sky and 0 solid. Tile t shows cell t.
TEST_F(SessionHistory, KeptSuggestionsFollowEditsDoneTilesAndSheets) {
    const auto sheet = [](int fill) {
        auto made = std::make_shared<TileSheet>();
        TileGraphics& graphics = made->Graphics;
        graphics.BMPTileCount = 16;
        graphics.TilePlanes.assign(static_cast<std::size_t>(kPlaneCount) * 16 * kPlaneBytesPerCell, 0);
        const auto plain = [&graphics](int cell, int colour) {
            for (int plane = 0; plane < kPlaneCount; ++plane) {
                for (int byte = 0; byte < kPlaneBytesPerCell; ++byte) {
                    graphics.PlaneByte(plane, cell, byte) = ((colour >> plane) & 1) != 0 ? 0xFF : 0;
                }
            }
        };
        for (int cell = 5; cell < 16; ++cell) {
            plain(cell, fill);
        }
        plain(1, 5);
        plain(2, 5);
        graphics.PlaneByte(0, 2, 0) = 0x7F;  // pixel (0, 0), bit 7 of row 0's first byte: 5 - 1 + 2 = 6
        graphics.PlaneByte(1, 2, 0) = 0x80;
        plain(4, 9);
        return SharedSheet(made);
    };
    session.TakeSheet(sheet(0));
    const auto suggestion = [this](int tile) {
        SetSuggestions suggestions;
        suggestions.Empty = session.Empty();
        suggestions.DoneBlank = session.DoneBlank();
        suggestions.Update(session.Set(), session.Features());
        return suggestions.For(tile).value_or(TileSuggestion{-1, {}});
    };
    const auto give = [this](std::int16_t type, std::array<std::int16_t, 4> sides) {
        return session.MakeEdit("Values", {1}, [=](std::int16_t, TileValues& values) {
            values.TileType = type;
            values.Sides = sides;
        });
    };
    const TileEdit top = give(0, {1, 0, 0, 0});
    const TileEdit fourTop = session.MakeEdit("Values", {4}, [](std::int16_t, TileValues& values) {
        values.Sides = {1, 0, 0, 0};
    });
    TileEdit solid;
    const struct {
        const char* Why;
        std::function<void()> Step;
        int Tile;
        TileSuggestion Expected;  // with the tile it is like
        int Colour;
        EmptyBecause Reason;
    } rows[] = {
        {"tile 4 given its top: tile 2 like nothing done, a block by the rules",
         [&] { session.Apply(fourTop); },
         2,
         {0, {1, 1, 1, 1}, -1},
         9,
         EmptyBecause::NotEmpty},
        {"tile 1 given its top: tile 2, one pixel apart, like it",
         [&] { session.Apply(top); },
         2,
         {0, {1, 0, 0, 0}, 1},
         0,
         EmptyBecause::Sky},
        {"tile 1's values edited: tile 2 follows",
         [&] {
             solid = give(3, {1, 1, 1, 1});
             session.Apply(solid);
         },
         2,
         {3, {1, 1, 1, 1}, 1},
         9,
         EmptyBecause::NotEmpty},
        {"the edit undone: tile 2 back",
         [&] { session.Revert(solid); },
         2,
         {0, {1, 0, 0, 0}, 1},
         5,
         EmptyBecause::NotEmpty},
        {"the first edits undone too: nothing done, tile 2 a block by the rules",
         [&] {
             session.Revert(top);
             session.Revert(fourTop);
         },
         2,
         {0, {1, 1, 1, 1}, -1},
         5,
         EmptyBecause::NotEmpty},
        {"tile 4 done as passing: colour 9 empty, the sky tile 3 like it",
         [&] {
             session.ClickTile(4, TileSelection::Click::Plain);
             session.MarkEditedTilesDone();
         },
         3,
         {0, {0, 0, 0, 0}, 4},
         9,
         EmptyBecause::OnlyInPassingTiles},
        {"sheet B: colour 0 solid, tile 3 a block by the rules",
         [&] { session.TakeSheet(sheet(7)); },
         3,
         {0, {1, 1, 1, 1}, -1},
         7,
         EmptyBecause::Sky},
        {"sheet B: colour 0 no longer the sky", [] {}, 3, {0, {1, 1, 1, 1}, -1}, 0, EmptyBecause::NotEmpty},
    };
    for (const auto& row : rows) {
        row.Step();
        const TileSuggestion got = suggestion(row.Tile);
        EXPECT_EQ(got, row.Expected) << row.Why;
        EXPECT_EQ(got.Like, row.Expected.Like) << row.Why;
        EXPECT_EQ(session.EmptyReasons()[static_cast<std::size_t>(row.Colour)], row.Reason) << row.Why;
    }
}

TEST_F(SessionHistory, ListenersAreToldWhatChanged) {
    std::vector<SessionChange> told;
    const SessionSubscription listening =
        session.Listen([&told](const SessionChange& change) { told.push_back(change); });
    session.ClickTile(20, TileSelection::Click::Plain);
    session.CopyCurrentTile();
    session.ClickTile(5, TileSelection::Click::Plain);
    session.ClickTile(7, TileSelection::Click::Toggle);
    TileEdit blocking;
    struct Row {
        const char* Why;
        std::function<void()> Operation;
        unsigned What;
        std::vector<std::int16_t> Tiles;
    };
    using C = SessionChange;
    const std::vector<Row> rows = {
        {"an edit of two tiles",
         [&] { session.Apply(blocking = session.BlockingEdit(1, 2)); },
         C::kTiles | C::kRevision | C::kFile,
         {5, 7}},
        {"its undo", [&] { session.Revert(blocking); }, C::kTiles | C::kRevision | C::kFile, {5, 7}},
        {"a paste that changes nothing", [&] { session.Apply(session.PasteEdit(false)); }, 0, {}},
        {"a frame", [&] { session.SetCurrentFrame(3); }, C::kFrame, {}},
        {"the same frame", [&] { session.SetCurrentFrame(3); }, 0, {}},
        {"a frame's cell elsewhere",
         [&] {
             const TileEdit cell = session.FrameCellEdit(99);
             session.ClickTile(9, TileSelection::Click::Plain);
             session.SetCurrentFrame(0);
             told.clear();
             session.Apply(cell);
         },
         C::kTiles | C::kRevision | C::kFile | C::kSelection | C::kFrame,
         {7}},
        {"a click", [&] { session.ClickTile(30, TileSelection::Click::Plain); }, C::kSelection, {}},
        {"the same click", [&] { session.ClickTile(30, TileSelection::Click::Plain); }, 0, {}},
        {"a save", [&] { session.MarkSaved("/tmp/set.tls"); }, C::kFile, {}},
        {"pending levels", [&] { session.SetPendingSlope(1, 3); }, C::kPendingSlope, {}},
        {"a sheet", [&] { session.TakeSheet(std::make_shared<TileSheet>()); }, C::kSheet | C::kEmpty, {}},
        {"empty colours", [&] { session.ChooseEmpty(EmptyColours(0x0003)); }, C::kEmpty, {}},
        {"a sheet read again", [&] { session.TakeSheet(std::make_shared<TileSheet>()); }, C::kSheet, {}},
        {"a set put back",
         [&] { session.RestoreSet(session.Set(), {}); },
         C::kSet | C::kSelection | C::kFrame | C::kFile | C::kRevision | C::kPendingSlope,
         {}},
    };
    for (const Row& row : rows) {
        told.clear();
        row.Operation();
        if (row.What == 0) {
            EXPECT_TRUE(told.empty()) << row.Why;
            continue;
        }
        ASSERT_EQ(told.size(), 1u) << row.Why;
        EXPECT_EQ(told[0].What, row.What) << row.Why;
        EXPECT_EQ(told[0].Tiles, row.Tiles) << row.Why;
    }
}

TEST_F(SessionHistory, ASubscriptionEndsWhenDestroyedOrCancelledEvenWhileTelling) {
    int first = 0;
    int second = 0;
    SessionSubscription secondListening;
    SessionSubscription firstListening = session.Listen([&](const SessionChange&) {
        ++first;
        secondListening.Cancel();  // the second is not told this change
    });
    secondListening = session.Listen([&](const SessionChange&) { ++second; });
    session.SetCurrentFrame(1);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    { const SessionSubscription gone = std::move(firstListening); }
    session.SetCurrentFrame(2);
    EXPECT_EQ(first, 1);
    // A subscription outliving its session ends quietly.
    SessionSubscription outliving = std::make_unique<EditingSession>()->Listen([](const SessionChange&) {});
    outliving.Cancel();
}

}  // namespace
}  // namespace mosalind
