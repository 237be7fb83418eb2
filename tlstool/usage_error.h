// The one line tlstool gives for a command line it cannot use.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tlstool {

// The subcommands, in the order the usage lists them.
inline const std::vector<std::string> kSubcommands = {"export", "import", "refresh", "suggest", "check", "try"};

// When the first argument names no subcommand (a word that is none of them, or nothing at
// all), the line that says so and lists them; nothing when the parser is to go on.
std::optional<std::string> SubcommandProblem(const std::vector<std::string>& arguments);

// The parser's message with every option named as the user typed it (-o or --output), or by
// all its names (-o/--output) when it was not typed at all; "NAME: 1 required TEXT missing"
// reads "NAME needs a value".
std::string NamedAsTyped(const std::string& message, const std::vector<std::string>& arguments);

}  // namespace tlstool
