#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace spacergen {

// Reads a command-line number the way the program always has: leading white space (what
// isspace counts: blank, tab, line feed, vertical tab, form feed, carriage return) skipped,
// an optional + or -, then hexadecimal digits in either case, stopping at the first other
// character. The value wraps around to 32 bits ("ffffffff" is -1). No "0x" prefix is
// recognised, so "0x10" reads as 0. Returns nothing when no digit follows the optional sign.
std::optional<std::int32_t> ReadHexArgument(std::string_view text);

}  // namespace spacergen
