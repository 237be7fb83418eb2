// Nothing is lost when the editor ends without closing: its unsaved edits, kept in a
// recovery file, are offered at the next start, and the restored set saves the same bytes;
// the blank tiles done by hand and the Try window's map, start and parameters come back too.
#include <unistd.h>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "document/tile_set_file.h"
#include "support/test_files.h"
#include "support/tile_set_bytes.h"
#include "support/window_driver.h"
#include "window/edit_history.h"
#include "window/recovery_keeper.h"
#include "window/try_window.h"
#include "window/user_dialogs.h"

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

    // Opens the set, gives tile 0 type 5 and keeps the edit.
    void EditAndKeep(WindowDriver& editor) const {
        StartKeeping(editor);
        editor.LoadTiles(sheet);
        editor.Open(set);
        editor.Choose(editor.Window.cboBehaviour, 5);
        editor.Window.Recovery->WriteNow();
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
        {"closed without a choice: kept for the next start, and said where", true, false, RestoreAnswer::Later},
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
            // Blank tile 50 given nothing is done, though its values stay as they were. In the
            // Try window (1x): tile 50 painted in cell (3, 4), the start in cell (6, 7),
            // gravity 0.5.
            ended.SelectTile(50);
            ended.Choose(ended.Window.cboBehaviour, 0);
            ended.Press(QKeySequence(Qt::Key_F7));
            ASSERT_NE(ended.Window.TryBox, nullptr);
            ended.ClickAt(ended.Window.TryBox->MapView, 3 * 16 + 8, 4 * 16 + 8);
            ended.ClickAt(ended.Window.TryBox->MapView, 6 * 16 + 8, 7 * 16 + 8, Qt::MiddleButton);
            ended.Window.TryBox->ParameterBoxes[0]->setValue(0.5);
            ended.Window.Recovery->WriteNow();
            WriteTileSet(dir.File("expected.tls"), ended.Window.Session.Set(), ended.Window.Session.Graphics());
            expected = ReadFileBytes(dir.File("expected.tls"));
            // Tile 0's type, tile 27's right side, frame 2 of tile 27 (4 frames, 910 tiles).
            ASSERT_EQ(expected.at(62 + 0), 5);
            ASSERT_EQ(expected.at(62 + 2 * 910 + 27), 3);
            ASSERT_EQ(dev_support::GetLE16(expected, 62 + 5 * 910 + 2 * (2 * 910 + 27)), 40 * 32);
        }  // the window is gone without its close handler, as a killed editor's is
        // A killed editor also leaves the record of the set it had open: it names no other
        // editor, so nothing asks whether to open the set here too.
        const std::vector<std::string> kept = FilesEndingIn(state, ".recovery");
        ASSERT_EQ(kept.size(), 1u);
        const std::string record = state + "/" + kept[0].substr(0, kept[0].size() - 9) + ".open";
        WriteFileBytes(record, Bytes(set.begin(), set.end()));
        if (row.SheetGone) {
            std::filesystem::remove(sheet);
        }

        WindowDriver next;
        StartKeeping(next);
        next.Dialogs.AnswerNextRestoreQuestion(row.Answer);
        const std::vector<std::string> keptBefore = FilesEndingIn(state, ".recovery");
        ASSERT_EQ(keptBefore.size(), 1u);
        testing::internal::CaptureStderr();
        const bool restored = next.Window.OfferRecovery();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(restored, row.Answer == RestoreAnswer::Restore);
        if (row.Answer == RestoreAnswer::Later) {
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_NE(said.find(keptBefore[0]), std::string::npos) << said;
        } else {
            EXPECT_EQ(said, "");
        }
        ASSERT_EQ(next.Dialogs.Questions.size(), 1u);
        EXPECT_EQ(next.Dialogs.Questions[0].toStdString(),
                  "Mosalind ended without saving the edits to " + (row.Opened ? set : std::string("a new set")) +
                      "; they were kept less than a minute ago. Restore them?");
        EXPECT_EQ(next.Dialogs.Messages.size(), row.SheetGone ? 1u : 0u);
        if (row.SheetGone) {
            EXPECT_NE(next.Dialogs.Messages[0].indexOf(QString::fromStdString(sheet)), -1);
        }
        if (restored) {
            const EditingSession& session = next.Window.Session;
            EXPECT_TRUE(session.DoneBlank().test(50));
            EXPECT_EQ(session.Try().Map.At(3, 4), 50);
            EXPECT_EQ(std::count(session.Try().Map.Tiles.begin(), session.Try().Map.Tiles.end(), -1), 40 * 24 - 1);
            EXPECT_EQ(session.Try().Start, (FigureStart{6, 7}));
            EXPECT_EQ(session.Try().Parameters.Gravity, 0.5);
            next.Press(QKeySequence(Qt::Key_F7));
            ASSERT_NE(next.Window.TryBox, nullptr);
            EXPECT_EQ(next.Window.TryBox->ParameterBoxes[0]->value(), 0.5);
            EXPECT_EQ(next.Window.TryBox->Current.Left, 6 * 16 + 2);  // at the start, centred across the cell
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
        EXPECT_EQ(FilesEndingIn(state, ".recovery"),
                  row.Answer == RestoreAnswer::Later ? keptBefore : std::vector<std::string>{});
    }
}

TEST_F(Recovery, OnlyEditorsThatEndedAreAskedAboutAndClosingLeavesNothingBehind) {
    WindowDriver running;
    EditAndKeep(running);
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

    // The set the running editor has open is opened beside it only when the user says so.
    beside.LoadTiles(sheet);
    beside.Open(set);
    ASSERT_EQ(beside.Dialogs.Questions.size(), 1u);
    EXPECT_EQ(beside.Dialogs.Questions[0].toStdString(),
              set + " is open in another Mosalind window. Open it here too?");
    EXPECT_FALSE(beside.Window.Session.IsOpen());  // Cancel, the default
    beside.Dialogs.AnswerNextOpenHereTooQuestion(true);
    beside.Open(set);
    EXPECT_TRUE(beside.Window.Session.IsOpen());

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

// Kept edits are offered whatever state their folder is in; what cannot be done with their
// file after the answer is said in one line that names it.
TEST_F(Recovery, KeptEditsAreOfferedWhereNoLockCanBeMade) {
    struct Row {
        const char* Why;
        bool ReadOnly;  // else a folder stands where the ended editor's lock belongs
        RestoreAnswer Answer;
        std::vector<std::string> Lines;  // what each line on standard error says, in order
    };
    const Row rows[] = {
        // A folder in the lock's place stops root as well, so this row always runs.
        {"a folder in the lock's place: reported, offered, restored",
         false,
         RestoreAnswer::Restore,
         {"is a folder where the lock of"}},
        // Root writes into a read-only folder: this row runs for other users only.
        {"a read-only folder: offered, discarded, its file cannot go",
         true,
         RestoreAnswer::Discard,
         {"cannot keep unsaved edits in " + state + ": Permission denied;", "cannot remove the discarded edits in"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Why);
        if (row.ReadOnly && geteuid() == 0) {
            continue;  // this user can write to read-only folders
        }
        SetUp();
        std::filesystem::remove_all(state);
        {
            WindowDriver ended;
            EditAndKeep(ended);
        }
        const std::vector<std::string> kept = FilesEndingIn(state, ".recovery");
        ASSERT_EQ(kept.size(), 1u);
        const std::string keptPath = state + "/" + kept[0];
        const std::string lock = keptPath.substr(0, keptPath.size() - 9) + ".lock";
        if (row.ReadOnly) {
            std::filesystem::permissions(state,
                                         std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        } else {
            std::filesystem::create_directory(lock);
        }

        ::testing::internal::CaptureStderr();
        bool restored = false;
        {
            WindowDriver next;
            StartKeeping(next);
            next.Dialogs.AnswerNextRestoreQuestion(row.Answer);
            restored = next.Window.OfferRecovery();
            ASSERT_EQ(next.Dialogs.Questions.size(), 1u);
            EXPECT_NE(next.Dialogs.Questions[0].indexOf("Restore them?"), -1);
            next.Window.Recovery->WriteNow();
        }
        const std::string report = ::testing::internal::GetCapturedStderr();
        std::filesystem::permissions(state, std::filesystem::perms::owner_all);
        EXPECT_EQ(restored, row.Answer == RestoreAnswer::Restore);
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), static_cast<long>(row.Lines.size())) << report;
        std::size_t at = 0;
        for (const std::string& line : row.Lines) {
            at = report.find(line, at);
            EXPECT_NE(at, std::string::npos) << line << " in " << report;
        }
        // The kept file is named, and, restored, it became the next editor's.
        EXPECT_NE(report.find(row.ReadOnly ? keptPath : lock), std::string::npos) << report;
        EXPECT_EQ(std::filesystem::exists(keptPath), row.ReadOnly);
    }
}

// The real question, closed without a button: by its title bar or by Escape. Either keeps
// the edits; Discard must be a deliberate click.
TEST(RestoreQuestion, ClosedWithoutAChoiceItAnswersLater) {
    const std::function<void(QWidget&)> closings[] = {
        [](QWidget& box) { box.close(); },
        [](QWidget& box) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&box, &escape);
        },
    };
    for (const auto& closeIt : closings) {
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                asked = true;
                closeIt(*box);
            }
        });
        QtUserDialogs dialogs;
        EXPECT_EQ(dialogs.AskToRestore(QStringLiteral("a new set"), QStringLiteral("1 minute ago")),
                  RestoreAnswer::Later);
        EXPECT_TRUE(asked);
    }
}

}  // namespace
}  // namespace mosalind
