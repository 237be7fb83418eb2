#include "printable_text.h"

#include <cstdint>

namespace tlstool {

namespace {

// The length of the well-formed UTF-8 sequence at `at` and its code point, or 0 when the
// bytes there are not one (a stray continuation byte, a sequence cut short, an overlong
// form, a surrogate, a code point past U+10FFFF).
std::size_t SequenceAt(const std::string& text, std::size_t at, std::uint32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const std::uint32_t lowest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (codePoint < lowest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool IsControl(std::uint32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}  // namespace

std::string PrintableText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::uint32_t codePoint = 0;
        const std::size_t length = SequenceAt(text, at, codePoint);
        if (length == 0 || IsControl(codePoint)) {
            shown += '?';
            at += length == 0 ? 1 : length;
        } else {
            shown.append(text, at, length);
            at += length;
        }
    }
    return shown;
}

}  // namespace tlstool
