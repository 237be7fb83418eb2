#include "expected_spacer.h"

#include <cstdio>

namespace spacergen_test {

namespace {

constexpr std::int64_t kTwoTo32 = std::int64_t{1} << 32;

std::int64_t ToInt32(std::int64_t value) {
    value = ((value % kTwoTo32) + kTwoTo32) % kTwoTo32;
    return value >= kTwoTo32 / 2 ? value - kTwoTo32 : value;
}

std::string Repeated(const std::string& text, std::int64_t times) {
    std::string out;
    for (std::int64_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

}  // namespace

std::string ExpectedNopLine(int values) {
    return "asm db " + Repeated("144, ", values - 1) + "144 \n";
}

std::string ExpectedSpacer(std::uint32_t aBits, std::uint32_t bBits) {
    const std::int64_t a = ToInt32(aBits);
    const std::int64_t s = ToInt32(a + ToInt32(bBits));
    const std::int64_t r = ToInt32(s - 5) % 4096;  // % and / truncate toward zero
    const std::int64_t n = s / 4096;

    char name[64];
    std::snprintf(name, sizeof name, "void XSPACER0x%x__(void) { \n", static_cast<unsigned>(aBits));
    std::string text = name;
    text += Repeated(ExpectedNopLine(32), r / 32);
    text += Repeated(ExpectedNopLine(1), r % 32);
    text += "return; \n }\n\n";

    const std::string body = Repeated(ExpectedNopLine(32), 127) + ExpectedNopLine(27) + "return; \n } \n\n";
    for (std::int64_t k = 1; k <= n; ++k) {
        const auto unsignedName = static_cast<unsigned long long>((a + k + kTwoTo32) % kTwoTo32);
        std::snprintf(name, sizeof name, "void XSPACER0x%llu__(void) { \n", unsignedName);
        text += name;
        text += body;
    }
    return text;
}

}  // namespace spacergen_test
