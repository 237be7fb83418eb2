#include "editing/slope_codec.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mosalind {
namespace {

constexpr std::uint8_t kRisingBit = 64;

bool IsLevel(int level) {
    return level >= 0 && level <= kLowestSlopeLevel;
}

}  // namespace

std::optional<std::uint8_t> EncodeSlope(int left, int right) {
    if (!IsLevel(left) || !IsLevel(right)) {
        return std::nullopt;
    }
    const int difference = std::abs(right - left);
    int steepness = 0;
    switch (difference) {
        case 4:
            steepness = 0;
            break;
        case 2:
            steepness = 16;
            break;
        case 1:
            steepness = 32;
            break;
        default:
            return std::nullopt;  // equal levels or 3 apart
    }
    const bool rising = left > right;
    const int start = rising ? left - 1 : left;
    if (start < 0 || start > 3) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(kSlopeCarriedBit | (rising ? kRisingBit : 0) | steepness | (start * 4));
}

std::int16_t WithSlope(std::int16_t sideWord, bool carriesSlope, std::uint8_t slopeByte) {
    const int blocking = sideWord & 3;
    return static_cast<std::int16_t>(carriesSlope ? (blocking | slopeByte) : blocking);
}

SideSlope DecodeSideSlope(std::int16_t sideWord, int left, int right) {
    if (sideWord < kSlopeCarriedBit) {
        return {false, left, right};
    }
    SideSlope side{true, (sideWord >> 2) & 3, right};
    switch ((sideWord >> 4) & 7) {
        case 0:
            side.Right = side.Left + 4;
            break;
        case 1:
            side.Right = side.Left + 2;
            break;
        case 2:
            side.Right = side.Left + 1;
            break;
        case 4:
            side.Left += 1;
            side.Right = side.Left - 4;
            break;
        case 5:
            side.Left += 1;
            side.Right = side.Left - 2;
            break;
        case 6:
            side.Left += 1;
            side.Right = side.Left - 1;
            break;
        default:
            break;  // kinds 3 and 7: the right level stays
    }
    return side;
}

std::optional<SlopeLevels> ReadableSlope(std::int16_t sideWord) {
    const SideSlope side = DecodeSideSlope(sideWord, 0, 0);
    if (!side.CarriesSlope) {
        return std::nullopt;
    }
    const std::optional<std::uint8_t> encoded = EncodeSlope(side.Left, side.Right);
    if (!encoded || *encoded != (sideWord & 0xFC)) {
        return std::nullopt;
    }
    return SlopeLevels{side.Left, side.Right};
}

std::optional<int> LevelAtClick(double y, double scaleHeight) {
    const double height = std::nearbyint(scaleHeight);
    if (!(height >= 1) || !std::isfinite(y) || std::abs(y) > 1e6 || height > 1e6) {
        return std::nullopt;
    }
    const long long level = static_cast<long long>(std::nearbyint(5 * y)) / static_cast<long long>(height);
    return static_cast<int>(std::clamp<long long>(level, 0, kLowestSlopeLevel));
}

bool ClickSetsLeftLevel(double x, double scaleWidth) {
    const long long half = static_cast<long long>(std::nearbyint(scaleWidth)) / 2;
    return x < static_cast<double>(half);
}

int LineRowForLevel(int level, double scaleHeight) {
    return static_cast<int>(static_cast<long long>(std::nearbyint(level * scaleHeight)) / 4);
}

}  // namespace mosalind
