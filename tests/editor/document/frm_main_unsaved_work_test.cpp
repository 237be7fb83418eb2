// Nothing the user made is lost without a question: closing with unsaved changes, and
// Save onto another file that exists.
#include <gtest/gtest.h>
#include <QUndoStack>

#include <filesystem>

#include "editing/frm_main_editing_fixture.h"
#include "support/tile_set_bytes.h"

namespace mosalind {
namespace {

using dev_support::Bytes;
using dev_support::ReadFileBytes;
using dev_support::WriteFileBytes;

class UnsavedWork : public EditingWindow {};

TEST_F(UnsavedWork, ClosingAsksOnlyWhileChangesAreUnsaved) {
    enum class Edits { None, UndoneAgain, One };
    struct Row {
        const char* Why;
        Edits Made;
        std::optional<UnsavedWorkAnswer> Answer;  // nothing: no question expected
        std::optional<std::string> SaveDialog;    // the Save dialog's answer, a name in the folder
        bool Closes;
        bool Writes;
    };
    const Row rows[] = {
        {"nothing edited since New", Edits::None, std::nullopt, std::nullopt, true, false},
        {"undone back to what New made", Edits::UndoneAgain, std::nullopt, std::nullopt, true, false},
        {"Cancel keeps the window and the edit", Edits::One, UnsavedWorkAnswer::Cancel, std::nullopt, false, false},
        {"Discard closes", Edits::One, UnsavedWorkAnswer::Discard, std::nullopt, true, false},
        {"Save writes the file, then closes", Edits::One, UnsavedWorkAnswer::Save, "kept.tls", true, true},
        {"Save cancelled in its dialog stays", Edits::One, UnsavedWorkAnswer::Save, std::nullopt, false, false},
        {"Save refused stays", Edits::One, UnsavedWorkAnswer::Save, "no-folder/kept.tls", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Why);
        testing_support::WindowDriver editor;
        editor.LoadTiles(dir.File("tiles.bmp"));
        editor.New(1);
        if (row.Made != Edits::None) {
            editor.Choose(editor.Window.cboBehaviour, 5);
        }
        if (row.Made == Edits::UndoneAgain) {
            editor.Window.actUndo->trigger();
        }
        if (row.Answer) {
            editor.Dialogs.AnswerNextUnsavedWorkQuestion(*row.Answer);
        }
        const std::string path = dir.File(row.SaveDialog.value_or("unused.tls"));
        std::filesystem::remove(path);
        editor.Dialogs.AnswerNextFileDialog(row.SaveDialog ? std::optional(QString::fromStdString(path))
                                                           : std::nullopt);

        EXPECT_EQ(editor.Window.close(), row.Closes);
        EXPECT_EQ(editor.Window.isVisible(), !row.Closes);
        EXPECT_EQ(editor.Dialogs.Questions.size(), row.Answer ? 1u : 0u);
        if (row.Answer) {
            EXPECT_EQ(editor.Dialogs.Questions[0], "The tile set has changes that are not saved. Save them?");
        }
        EXPECT_EQ(std::filesystem::exists(path), row.Writes);
        if (row.Writes) {
            EXPECT_EQ(ReadFileBytes(path).at(62 + 0 * kTiles + 0), 5);
        }
        EXPECT_EQ(editor.Attribute(0, 0), row.Made == Edits::One ? 5 : 0);  // the document is never changed
        EXPECT_EQ(!editor.Window.Session.IsUnsaved(), row.Made != Edits::One || row.Writes);
    }
}

TEST_F(UnsavedWork, SaveAsksBeforeReplacingAnotherFileButNotTheSetsOwn) {
    const std::string own = dir.File("own.tls");
    const std::string other = dir.File("other.tls");
    const Bytes otherBytes{1, 2, 3};
    WriteFileBytes(other, otherBytes);

    driver.Save(own);  // a new file: no question
    EXPECT_TRUE(driver.Dialogs.Questions.empty());
    driver.Choose(window.cboBehaviour, 7);
    driver.Save(own);  // the set's own file: no question either
    EXPECT_TRUE(driver.Dialogs.Questions.empty());
    EXPECT_EQ(AttributeByte(ReadFileBytes(own), 0, 0), 7);

    // No goes back to the Save dialog, which starts at the same folder and name; Cancel
    // there ends the save.
    driver.Dialogs.AnswerNextReplaceQuestion(false);
    const size_t before = driver.Dialogs.FileRequests.size();
    driver.Save(other);
    ASSERT_EQ(driver.Dialogs.Questions.size(), 1u);
    EXPECT_EQ(driver.Dialogs.Questions[0], QString::fromStdString(other + " already exists. Replace it?"));
    ASSERT_EQ(driver.Dialogs.FileRequests.size(), before + 2);
    EXPECT_TRUE(driver.Dialogs.FileRequests.back().Save);
    EXPECT_EQ(driver.Dialogs.FileRequests.back().FileName, QString::fromStdString(other));
    EXPECT_EQ(ReadFileBytes(other), otherBytes);

    // Ctrl+S saves to the set's own file, still own.tls, without a dialog.
    driver.Choose(window.cboBehaviour, 9);
    const size_t dialogs = driver.Dialogs.FileRequests.size();
    driver.Press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(driver.Dialogs.FileRequests.size(), dialogs);
    EXPECT_EQ(AttributeByte(ReadFileBytes(own), 0, 0), 9);
    EXPECT_FALSE(window.Session.IsUnsaved());

    driver.Dialogs.AnswerNextReplaceQuestion(true);
    driver.Save(other);
    EXPECT_EQ(driver.Dialogs.Questions.size(), 2u);
    EXPECT_EQ(AttributeByte(ReadFileBytes(other), 0, 0), 9);
    // other.tls is the set's own file now.
    driver.Save(other);
    EXPECT_EQ(driver.Dialogs.Questions.size(), 2u);
    EXPECT_TRUE(driver.Dialogs.Messages.empty());

    // Opened from a file, the set's own file is that one; before New or Open there is none,
    // and Ctrl+S is the Save button: its dialog, or nothing while the button is off.
    testing_support::WindowDriver opened;
    opened.Press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(opened.Dialogs.FileRequests.empty());
    opened.LoadTiles(dir.File("tiles.bmp"));
    opened.Open(own);
    opened.Save(own);
    EXPECT_TRUE(opened.Dialogs.Questions.empty());
    EXPECT_EQ(ReadFileBytes(own), ReadFileBytes(other));

    testing_support::WindowDriver fresh;
    fresh.LoadTiles(dir.File("tiles.bmp"));
    fresh.New(1);
    fresh.Dialogs.AnswerNextFileDialog(QString::fromStdString(dir.File("first.tls")));
    fresh.Press(QKeySequence(Qt::CTRL | Qt::Key_S));
    ASSERT_EQ(fresh.Dialogs.FileRequests.size(), 2u);  // Load Tiles, then Save
    EXPECT_TRUE(fresh.Dialogs.FileRequests[1].Save);
    EXPECT_TRUE(std::filesystem::exists(dir.File("first.tls")));
}

// Another set in the same run: Ctrl+O and Ctrl+N ask about unsaved work first, and the
// other set comes with the sheet still loaded, New and Open still off, and the Frame Count
// list showing its count.
TEST_F(UnsavedWork, CtrlOAndCtrlNStartAnotherSetAfterTheQuestion) {
    testing_support::TileSetContent fourFrames = testing_support::TileSetContent::Fresh(910, 4, 29120, 910);
    fourFrames.Attributes[0][0] = 9;
    const std::string other = dir.File("four.tls");
    WriteFileBytes(other, fourFrames.FileBytes());
    struct Row {
        const char* Why;
        int Key;
        bool Edited;
        UnsavedWorkAnswer Answer;
        bool Replaced;
        int Frames;  // of the set afterwards
        int Type;    // of its tile 0
    };
    const Row rows[] = {
        {"Ctrl+O, Cancel: the set and its edit stay", Qt::Key_O, true, UnsavedWorkAnswer::Cancel, false, 8, 5},
        {"Ctrl+O, Discard: the other set", Qt::Key_O, true, UnsavedWorkAnswer::Discard, true, 4, 9},
        {"Ctrl+O with nothing unsaved asks nothing", Qt::Key_O, false, UnsavedWorkAnswer::Cancel, true, 4, 9},
        {"Ctrl+N, Discard: a new set of the list's 8 frames", Qt::Key_N, true, UnsavedWorkAnswer::Discard, true, 8, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Why);
        testing_support::WindowDriver editor;
        editor.LoadTiles(dir.File("tiles.bmp"));
        editor.New(1);
        if (row.Edited) {
            editor.Choose(editor.Window.cboBehaviour, 5);
            editor.Dialogs.AnswerNextUnsavedWorkQuestion(row.Answer);
        }
        editor.Dialogs.AnswerNextFileDialog(QString::fromStdString(other));
        editor.Press(QKeySequence(Qt::CTRL | row.Key));

        EXPECT_EQ(editor.Dialogs.Questions.size(), row.Edited ? 1u : 0u);
        EXPECT_EQ(editor.Window.Session.Set().Header.FrameCount, row.Frames);
        EXPECT_EQ(editor.Attribute(0, 0), row.Type);
        EXPECT_EQ(editor.Window.Session.IsUnsaved(), !row.Replaced);
        EXPECT_EQ(editor.Window.cboFrameCount->currentText(), row.Frames == 4 ? " 4" : " 8");
        for (int frame = 0; frame < 8; ++frame) {  // the frame buttons the set's count gives
            EXPECT_EQ(editor.Window.optAnim[frame]->isEnabled(), frame < row.Frames) << frame;
        }
        EXPECT_FALSE(editor.Window.fraIn->isEnabled());
        EXPECT_FALSE(editor.Window.cmdLoad->isEnabled());
        EXPECT_TRUE(editor.Window.fraOut->isEnabled());
        EXPECT_FALSE(editor.Window.picBMPScroller->Picture().isNull());
    }
}

}  // namespace
}  // namespace mosalind
