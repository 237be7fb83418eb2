#include "editing/slope_codec.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mosalind {

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
