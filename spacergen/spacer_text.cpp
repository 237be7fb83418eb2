#include "spacer_text.h"

#include <charconv>
#include <cstdint>

namespace spacergen {

std::string NopLine(int count) {
    std::string line = "asm db ";
    for (int i = 1; i < count; ++i) {
        line += "144, ";
    }
    line += "144 \n";
    return line;
}

std::string FirstFunction(const SpacerLayout& layout) {
    char digits[16];
    const auto converted = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(layout.A), 16);

    std::string text;
    text += kHeaderStart;
    text += std::string_view(digits, static_cast<std::size_t>(converted.ptr - digits));
    text += kHeaderEnd;
    // A negative count gives a negative quotient and remainder: no lines at all.
    const std::string line32 = NopLine(32);
    for (std::int32_t i = 0; i < layout.FirstNops / 32; ++i) {
        text += line32;
    }
    const std::string line1 = NopLine(1);
    for (std::int32_t i = 0; i < layout.FirstNops % 32; ++i) {
        text += line1;
    }
    text += kEndFirst;
    return text;
}

std::string BlockBody() {
    const std::string line32 = NopLine(32);
    std::string body;
    for (int i = 0; i < 127; ++i) {
        body += line32;
    }
    body += NopLine(27);
    body += kEndBlock;
    return body;
}

}  // namespace spacergen
