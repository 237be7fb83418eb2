#include "usage_error.h"

#include <algorithm>

#include "word_list.h"

namespace tlstool {

namespace {

// The options that have a short name beside the long one the parser names them by.
struct OptionNames {
    const char* Long;
    const char* Short;
};
constexpr OptionNames kTwoNamed[] = {{"--output", "-o"}};

bool Typed(const std::vector<std::string>& arguments, const std::string& name) {
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            return false;
        }
        // "--output FILE", "--output=FILE", "-o FILE" and "-oFILE".
        const bool isLong = name.size() > 2;
        if (argument == name || (isLong && argument.rfind(name + "=", 0) == 0) ||
            (!isLong && argument.size() > 2 && argument[1] != '-' && argument.rfind(name, 0) == 0)) {
            return true;
        }
    }
    return false;
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

}  // namespace

std::optional<std::string> SubcommandProblem(const std::vector<std::string>& arguments) {
    const std::string list = " (" + WordList(kSubcommands) + "; tlstool --help shows the usage)";
    if (arguments.empty()) {
        return "a subcommand is required" + list;
    }
    const std::string& first = arguments.front();
    if (first.empty() || first[0] != '-') {
        if (std::find(kSubcommands.begin(), kSubcommands.end(), first) == kSubcommands.end()) {
            return "\"" + first + "\" is not a subcommand" + list;
        }
    }
    return std::nullopt;
}

std::string NamedAsTyped(const std::string& message, const std::vector<std::string>& arguments) {
    std::string text = message;
    for (const OptionNames& names : kTwoNamed) {
        const std::string longName = names.Long;
        std::string shown = longName;
        if (Typed(arguments, names.Short) && !Typed(arguments, longName)) {
            shown = names.Short;
        } else if (!Typed(arguments, longName)) {
            shown = std::string(names.Short) + "/" + longName;
        }
        std::size_t at = 0;
        while ((at = text.find(longName, at)) != std::string::npos) {
            const std::size_t end = at + longName.size();
            if ((at > 0 && IsNameCharacter(text[at - 1])) || (end < text.size() && IsNameCharacter(text[end]))) {
                at = end;  // part of a longer word
                continue;
            }
            text.replace(at, longName.size(), shown);
            at += shown.size();
        }
    }
    // "--sheet: 1 required TEXT missing": an option typed without its value.
    const std::string missing = ": 1 required TEXT missing";
    if (text.size() > missing.size() && text.compare(text.size() - missing.size(), missing.size(), missing) == 0) {
        text = text.substr(0, text.size() - missing.size()) + " needs a value";
    }
    return text;
}

}  // namespace tlstool
