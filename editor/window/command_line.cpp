#include "window/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace mosalind {

namespace {

// The options QApplication and its platform plugins understand, spelt with one dash (Qt
// accepts two as well). The first group takes the next argument as its value.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin",  "-qwindowgeometry", "-geometry", "-qwindowtitle",
    "-title",    "-qwindowicon",        "-icon",          "-session", "-display",         "-name",     "-visual",
    "-style",    "-stylesheet"};
constexpr std::array<std::string_view, 6> kQtFlags = {"-reverse", "-widgetcount", "-nograb",
                                                      "-dograb",  "-testability", "-sync"};
// These carry their value after "=" in the same argument.
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool IsOneOf(std::string_view option, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), option) != names.end();
}

template <std::size_t N>
bool StartsWithOneOf(std::string_view option, const std::array<std::string_view, N>& prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [option](std::string_view prefix) { return option.starts_with(prefix); });
}

EditorCommandLine UsageError(std::string problem) {
    EditorCommandLine line;
    line.What = EditorCommandLine::Action::UsageError;
    line.Problem = std::move(problem);
    return line;
}

}  // namespace

EditorCommandLine ReadEditorCommandLine(const std::vector<std::string>& arguments) {
    EditorCommandLine line;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-') {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help") {
            line.What = EditorCommandLine::Action::Help;
            return line;
        }
        if (argument == "--version") {
            line.What = EditorCommandLine::Action::Version;
            return line;
        }
        // Qt reads "--platform" as "-platform".
        const std::string_view option = std::string_view(argument).substr(argument.starts_with("--") ? 1 : 0);
        if (IsOneOf(option, kQtOptionsWithValue)) {
            if (i + 1 == arguments.size()) {
                return UsageError("option " + argument + " needs a value");
            }
            line.QtArguments.push_back(argument);
            line.QtArguments.push_back(arguments[++i]);
        } else if (IsOneOf(option, kQtFlags) || StartsWithOneOf(option, kQtOptionsWithEquals)) {
            line.QtArguments.push_back(argument);
        } else {
            return UsageError("unknown option " + argument);
        }
    }
    if (files.size() > 2) {
        return UsageError("too many arguments (from " + files[2] + " on)");
    }
    if (!files.empty()) {
        line.SheetPath = files[0];
    }
    if (files.size() == 2) {
        line.SetPath = files[1];
    }
    return line;
}

}  // namespace mosalind
