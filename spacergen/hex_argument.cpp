#include "hex_argument.h"

#include <cctype>

namespace spacergen {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<std::int32_t> ReadHexArgument(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])) != 0) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (; pos < text.size(); ++pos, ++digits) {
        const int digit = HexDigitValue(text[pos]);
        if (digit < 0) {
            break;
        }
        value = value * 16u + static_cast<std::uint32_t>(digit);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace spacergen
