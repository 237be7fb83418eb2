// The editor's command line: which arguments are files, which are Qt's, which answer at
// once; and the built program answering without a display.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/program_run.h"
#include "dev_support/temp_folder.h"
#include "window/command_line.h"

namespace mosalind {
namespace {

using Action = EditorCommandLine::Action;
using Args = std::vector<std::string>;

TEST(EditorCommandLine, ReadsFilesQtOptionsAndAnswers) {
    struct Case {
        const char* Why;
        Args Arguments;
        Action What;
        std::optional<std::string> Sheet;
        std::optional<std::string> Set;
        Args Qt;
    };
    const std::vector<Case> cases = {
        {"no arguments: an empty window", {}, Action::Run, {}, {}, {}},
        {"a sheet alone", {"tiles.bmp"}, Action::Run, "tiles.bmp", {}, {}},
        {"a sheet and a set", {"tiles.bmp", "tiles.tls"}, Action::Run, "tiles.bmp", "tiles.tls", {}},
        {"an empty name is still a file", {""}, Action::Run, "", {}, {}},
        {"Qt's options keep their values, anywhere",
         {"-platform", "offscreen", "tiles.bmp", "--style", "fusion", "-reverse", "tiles.tls"},
         Action::Run,
         "tiles.bmp",
         "tiles.tls",
         {"-platform", "offscreen", "--style", "fusion", "-reverse"}},
        {"a value that looks like a file is Qt's",
         {"-display", ":1", "a.bmp"},
         Action::Run,
         "a.bmp",
         {},
         {"-display", ":1"}},
        {"a value that looks like an option is Qt's",
         {"-qwindowtitle", "-x"},
         Action::Run,
         {},
         {},
         {"-qwindowtitle", "-x"}},
        {"options with =",
         {"-style=fusion", "-qmljsdebugger=port:1234"},
         Action::Run,
         {},
         {},
         {"-style=fusion", "-qmljsdebugger=port:1234"}},
        {"after -- every argument is a file", {"--", "-odd.bmp", "--help"}, Action::Run, "-odd.bmp", "--help", {}},
        {"--help answers at once", {"--help"}, Action::Help, {}, {}, {}},
        {"--help after files", {"a.bmp", "b.tls", "--help"}, Action::Help, {}, {}, {}},
        {"--version answers at once", {"--version", "-x"}, Action::Version, {}, {}, {}},
        {"the first of them wins", {"--version", "--help"}, Action::Version, {}, {}, {}},
        {"an unknown option", {"-x"}, Action::UsageError, {}, {}, {}},
        {"an unknown long option", {"--sheet", "a.bmp"}, Action::UsageError, {}, {}, {}},
        {"a lone dash is no file", {"-"}, Action::UsageError, {}, {}, {}},
        {"a usage error before --help", {"-h", "--help"}, Action::UsageError, {}, {}, {}},
        {"a third file", {"a.bmp", "b.tls", "c"}, Action::UsageError, {}, {}, {}},
        {"a Qt option without its value", {"a.bmp", "-platform"}, Action::UsageError, {}, {}, {}},
        {"a Qt option needs its exact name", {"-platforms", "x"}, Action::UsageError, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        const EditorCommandLine line = ReadEditorCommandLine(c.Arguments);
        EXPECT_EQ(line.What, c.What);
        EXPECT_EQ(line.SheetPath, c.Sheet);
        EXPECT_EQ(line.SetPath, c.Set);
        EXPECT_EQ(line.QtArguments, c.Qt);
        // A usage error says what is wrong, on one line.
        EXPECT_EQ(line.Problem.empty(), c.What != Action::UsageError);
        EXPECT_EQ(line.Problem.find('\n'), std::string::npos);
    }
}

// The program answers before it reaches the window system, so these work over ssh, in a
// build script or on a machine without a display.
TEST(EditorProgram, AnswersAndUsageErrorsNeedNoDisplay) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("QT_QPA_PLATFORM", "xcb", 1);  // would fail, were a window made
    struct Case {
        Args Arguments;
        int ExitStatus;
        std::string OutStart;
        std::string Err;
    };
    const std::vector<Case> cases = {
        {{"--help"}, 0, "usage: mosalind [SHEET [SET]]\n", ""},
        {{"--version"}, 0, "mosalind (Mosalind) " MOSALIND_VERSION "\n", ""},
        {{"-x", "tiles.bmp"}, 1, "", "mosalind: unknown option -x; usage: mosalind [SHEET [SET]]\n"},
        {{"a", "b", "c"}, 1, "", "mosalind: too many arguments (from c on); usage: mosalind [SHEET [SET]]\n"},
    };
    const dev_support::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Arguments));
        const testing_support::ProgramResult result =
            testing_support::RunProgram(MOSALIND_PATH, dir.Path(), c.Arguments);
        EXPECT_EQ(result.ExitStatus, c.ExitStatus);
        EXPECT_THAT(result.Out, ::testing::StartsWith(c.OutStart));
        if (c.OutStart.empty()) {
            EXPECT_EQ(result.Out, "");
        }
        EXPECT_EQ(result.Err, c.Err);
    }
}

}  // namespace
}  // namespace mosalind
