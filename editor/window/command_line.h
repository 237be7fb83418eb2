#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mosalind {

// What `mosalind [SHEET [SET]]` was asked to do. The arguments are read before the window
// system is reached, so that --help, --version and a usage error need no display.
struct EditorCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action What = Action::Run;

    // Run: the tile sheet to load and the tile set to open, when given.
    std::optional<std::string> SheetPath;
    std::optional<std::string> SetPath;

    // Run: Qt's own options (-platform NAME, -style NAME, -reverse, ...) with their values,
    // in the order given. Only these reach QApplication, so a file name is never taken
    // for one of Qt's options.
    std::vector<std::string> QtArguments;

    // UsageError: what is wrong, one line without the program's name.
    std::string Problem;
};

// Reads the arguments after the program's name. Left to right: --help or --version
// answers at once; Qt's options are kept for QApplication, with their values; "--" makes
// every later argument a file name; any other argument starting with "-" is a usage
// error, and so is a third file name.
EditorCommandLine ReadEditorCommandLine(const std::vector<std::string>& arguments);

}  // namespace mosalind
