#include "decimal_digits.h"

namespace spacergen {

int DecimalDigits(std::uint32_t value) {
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

std::uint64_t NumbersWithSameDigits(std::uint32_t value) {
    std::uint64_t limit = 1;
    for (int i = 0; i < DecimalDigits(value); ++i) {
        limit *= 10;
    }
    if (limit > std::uint64_t{1} << 32) {
        limit = std::uint64_t{1} << 32;
    }
    return limit - value;
}

}  // namespace spacergen
