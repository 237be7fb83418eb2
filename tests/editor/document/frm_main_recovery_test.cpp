// Nothing is lost when the editor ends without closing: its unsaved edits, kept in a
// recovery file, are offered at the next start, and the restored set saves the same bytes.
#include <gtest/gtest.h>
#include <QUndoStack>

#include <algorithm>
#include <filesystem>

#include "document/tile_set_file.h"
#include "support/test_files.h"
#include "support/tile_set_bytes.h"
#include "support/window_driver.h"
#include "window/edit_history.h"
#include "window/recovery_keeper.h"

namespace mosalind {
namespace {

using dev_support::Bytes;
using dev_support::ReadFileBytes;
using dev_support::TempDir;
using dev_support::WriteFileBytes;
using testing_support::WindowDriver;

// The names of the files in `folder` that end in `suffix`.
std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

class Recovery : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(
            sheet, dev_support::EncodeBmp(testing_support::TestPicture(208, 1120, testing_support::CellPatternColour)));
        WriteFileBytes(set, testing_support::TileSetContent::Fresh(910, 4, 29120, 910).FileBytes());
    }

    void StartKeeping(WindowDriver& editor) const {
        editor.Window.KeepRecoveryFile(QString::fromStdString(state));
        ASSERT_TRUE(editor.Window.Recovery);
    }

    TempDir dir;
    const std::string state = dir.File("state");
    const std::string sheet = dir.File("tiles.bmp");
    const std::string set = dir.File("level.tls");
};

TEST_F(Recovery, AnEditorEndedWithoutClosingGivesItsEditsBackToTheNext) {
    struct Row {
        const char* Why;
        bool Opened;     // the set was opened from `set`, else made by New
        bool SheetGone;  // the sheet's file is deleted before the next start
        RestoreAnswer Answer;
    };
    const Row rows[] = {
        {"a new set, restored, saved with its dialog", false, false, RestoreAnswer::Restore},
        {"an opened set, restored, saved to its own file with Ctrl+S", true, false, RestoreAnswer::Restore},
        {"the sheet gone: the planes kept with the edits are saved", true, true, RestoreAnswer::Restore},
        {"discarded: nothing is restored, nothing left", false, false, RestoreAnswer::Discard},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Why);
        SetUp();
        std::filesystem::remove_all(state);
        Bytes expected;
        {
            WindowDriver ended;
            StartKeeping(ended);
            ended.LoadTiles(sheet);
            row.Opened ? ended.Open(set) : ended.New(0);
            ended.Choose(ended.Window.cboBehaviour, 5);
            ended.SelectTile(27);
            ended.Choose(ended.Window.cboBlocking[1], 3);
            ended.ChooseFrame(2);
            ended.AssignCell(40);
            ended.Choose(ended.Window.cboBehaviour, 9);
            ended.Window.actUndo->trigger();
            ended.Window.Recovery->WriteNow();
            WriteTileSet(dir.File("expected.tls"), ended.Window.Session.Set(), ended.Window.Session.Graphics());
            expected = ReadFileBytes(dir.File("expected.tls"));
            // Tile 0's type, tile 27's right side, frame 2 of tile 27 (4 frames, 910 tiles).
            ASSERT_EQ(expected.at(62 + 0), 5);
            ASSERT_EQ(expected.at(62 + 2 * 910 + 27), 3);
            ASSERT_EQ(dev_support::GetLE16(expected, 62 + 5 * 910 + 2 * (2 * 910 + 27)), 40 * 32);
        }  // the window is gone without its close handler, as a killed editor's is
        if (row.SheetGone) {
            std::filesystem::remove(sheet);
        }

        WindowDriver next;
        StartKeeping(next);
        next.Dialogs.AnswerNextRestoreQuestion(row.Answer);
        const bool restored = next.Window.OfferRecovery();
        EXPECT_EQ(restored, row.Answer == RestoreAnswer::Restore);
        ASSERT_EQ(next.Dialogs.Questions.size(), 1u);
        EXPECT_EQ(next.Dialogs.Questions[0].toStdString(),
                  "Mosalind ended without saving the edits to " + (row.Opened ? set : std::string("a new set")) +
                      "; they were kept less than a minute ago. Restore them?");
        EXPECT_EQ(next.Dialogs.Messages.size(), row.SheetGone ? 1u : 0u);
        if (row.SheetGone) {
            EXPECT_NE(next.Dialogs.Messages[0].indexOf(QString::fromStdString(sheet)), -1);
        }
        if (restored) {
            EXPECT_FALSE(next.Window.cmdLoad->isEnabled());
            EXPECT_TRUE(next.Window.frmControls->isEnabled());
            EXPECT_TRUE(next.Window.Session.IsUnsaved());
            EXPECT_EQ(next.Window.History->count(), 0);
            std::string saved = set;
            if (row.Opened) {
                next.Press(QKeySequence(Qt::CTRL | Qt::Key_S));  // to its own file, without a dialog
                EXPECT_TRUE(next.Dialogs.FileRequests.empty());
            } else {
                saved = dir.File("new.tls");
                next.Save(saved);
            }
            EXPECT_EQ(ReadFileBytes(saved), expected);
        } else {
            EXPECT_TRUE(next.Window.cmdLoad->isEnabled());
        }
        next.Window.Recovery->WriteNow();
        EXPECT_TRUE(FilesEndingIn(state, ".recovery").empty());
    }
}

TEST_F(Recovery, OnlyEditorsThatEndedAreAskedAboutAndClosingLeavesNothingBehind) {
    WindowDriver running;
    StartKeeping(running);
    running.LoadTiles(sheet);
    running.Open(set);
    running.Choose(running.Window.cboBehaviour, 5);
    running.Window.Recovery->WriteNow();
    EXPECT_EQ(FilesEndingIn(state, ".recovery").size(), 1u);

    // A file that is no recovery file is set aside, not offered and not deleted.
    WriteFileBytes(dir.File("state/editor-1-2-3.recovery"), Bytes{'n', 'o', 't', ' ', 'm', 'i', 'n', 'e'});
    WindowDriver beside;
    StartKeeping(beside);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(beside.Window.OfferRecovery());
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(beside.Dialogs.Questions.empty());  // the running editor's file is not asked about
    EXPECT_NE(report.find("editor-1-2-3.recovery is not a recovery file of this editor"), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    EXPECT_EQ(FilesEndingIn(state, ".damaged").size(), 1u);

    // Undoing back to what was opened removes the file; redoing keeps it again.
    running.Window.actUndo->trigger();
    running.Window.Recovery->WriteNow();
    EXPECT_TRUE(FilesEndingIn(state, ".recovery").empty());
    running.Window.actRedo->trigger();
    running.Window.Recovery->WriteNow();
    EXPECT_EQ(FilesEndingIn(state, ".recovery").size(), 1u);

    // Discard in the close question removes it.
    running.Dialogs.AnswerNextUnsavedWorkQuestion(UnsavedWorkAnswer::Discard);
    EXPECT_TRUE(running.Window.close());
    running.Window.Recovery->WriteNow();
    EXPECT_TRUE(FilesEndingIn(state, ".recovery").empty());
}

}  // namespace
}  // namespace mosalind
