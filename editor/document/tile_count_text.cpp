#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "document/tile_count_text.h"

#include "base/refused_error.h"

namespace mosalind {

namespace {

constexpr int kExponentCap = 99999;  // far beyond any double; keeps the text short

std::string WithoutBlanks(const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            kept += c;
        }
    }
    return kept;
}

bool IsDigitOfBase(char c, int base) {
    if (base == 8) {
        return c >= '0' && c <= '7';
    }
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// &H / &O numbers; `text` starts after the letter. No digits read as 0.
double ReadRadixDigits(const std::string& text, std::size_t at, int base) {
    double value = 0;
    for (; at < text.size() && IsDigitOfBase(text[at], base); ++at) {
        int digit = 0;
        std::from_chars(&text[at], &text[at] + 1, digit, base);
        value = value * base + digit;
    }
    return value;
}

// &H and &O numbers are bit patterns typed by their value: one that fits 16 bits is a
// signed 16-bit number (&HFFFF is -1, &H8000 is -32768), one that fits 32 bits a signed
// 32-bit number (&H10000 is 65536, &HFFFFFFFF is -1). Wider ones are left as they are,
// too large for any type.
double AsSignedPattern(double value) {
    if (value <= 0xFFFF) {
        return value >= 0x8000 ? value - 0x10000 : value;
    }
    if (value <= 0xFFFFFFFF) {
        return value >= 0x80000000 ? value - 4294967296.0 : value;
    }
    return value;
}

std::size_t SkipDigits(const std::string& text, std::size_t at) {
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    return at;
}

// Sign, digits, decimal point, digits, then an exponent introduced by E or D when digits
// follow it. 0 when no digit starts the text.
double ReadDecimal(const std::string& text) {
    std::size_t at = 0;
    std::string mantissa;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-') {
            mantissa += '-';
        }
        ++at;
    }
    const std::size_t integerStart = at;
    at = SkipDigits(text, at);
    std::string integerDigits = text.substr(integerStart, at - integerStart);
    std::string fractionDigits;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = at + 1;
        at = SkipDigits(text, fractionStart);
        fractionDigits = text.substr(fractionStart, at - fractionStart);
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        return 0;
    }
    long exponent = 0;
    if (at < text.size() && std::string("EeDd").find(text[at]) != std::string::npos) {
        std::size_t exponentAt = at + 1;
        bool negative = false;
        if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-')) {
            negative = text[exponentAt] == '-';
            ++exponentAt;
        }
        const std::size_t end = SkipDigits(text, exponentAt);
        for (std::size_t i = exponentAt; i < end; ++i) {
            exponent = std::min<long>(exponent * 10 + (text[i] - '0'), kExponentCap);
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    mantissa += (integerDigits.empty() ? "0" : integerDigits) + "." + fractionDigits + "0";
    const std::string number = mantissa + "e" + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: far below 1 is 0, anything else is too large.
        // The magnitude is the count of integer digits, or minus the zeros that open the
        // fraction, plus the exponent.
        const std::size_t significant = integerDigits.find_first_not_of('0');
        long digits = 0;
        if (significant != std::string::npos) {
            digits = static_cast<long>(integerDigits.size() - significant);
        } else {
            const std::size_t firstFraction = fractionDigits.find_first_not_of('0');
            digits = -static_cast<long>(firstFraction == std::string::npos ? fractionDigits.size() : firstFraction);
        }
        const long magnitude = digits + exponent;
        if (magnitude <= 0) {
            return 0;
        }
        return mantissa[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

// Names the value where it has one; a text like "1e999" reads as infinity.
std::string DoesNotFit(double value) {
    std::string says = "The tile count ";
    if (std::isinf(value)) {
        says += value > 0 ? "is too large to fit" : "is too far below zero to fit";
    } else {
        char text[40];
        std::snprintf(text, sizeof text, "%.15g", value);
        says += text;
        says += " does not fit";
    }
    return says + " a 16-bit number (-32768 to 32767)";
}

}  // namespace

std::int16_t ReadTileCountText(const std::string& text) {
    const std::string compact = WithoutBlanks(text);
    double value = 0;
    if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'H' || compact[1] == 'h')) {
        value = AsSignedPattern(ReadRadixDigits(compact, 2, 16));
    } else if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'O' || compact[1] == 'o')) {
        value = AsSignedPattern(ReadRadixDigits(compact, 2, 8));
    } else {
        value = ReadDecimal(compact);
    }
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768 && rounded <= 32767)) {
        throw RefusedError(DoesNotFit(value));
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace mosalind
