// Text for the terminal: a file name or a quoted byte may hold anything, and what tlstool
// prints must stay one line of readable text.
#pragma once

#include <string>

namespace tlstool {

// `text` with every byte that is not part of well-formed UTF-8 (a file's raw bytes quoted by
// the JSON parser, a file name in another encoding) and every control character (line
// breaks, escapes, C1 controls) shown as '?'. Readable text, accented letters included,
// stays as it is.
std::string PrintableText(const std::string& text);

}  // namespace tlstool
