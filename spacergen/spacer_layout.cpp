#include "spacer_layout.h"

namespace spacergen {

std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

SpacerLayout computeLayout(std::int32_t a, std::int32_t b) {
    SpacerLayout layout;
    layout.a = a;
    layout.size = wrappingAdd(a, b);
    // Division by 4096 cannot overflow; both truncate toward zero as C++ does.
    layout.firstNops = wrappingAdd(layout.size, -kFunctionOverheadBytes) % 4096;
    layout.blockCount = layout.size / 4096;
    return layout;
}

}  // namespace spacergen
