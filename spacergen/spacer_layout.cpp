#include "spacer_layout.h"

namespace spacergen {

std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

SpacerLayout ComputeLayout(std::int32_t a, std::int32_t b) {
    SpacerLayout layout;
    layout.A = a;
    layout.Size = WrappingAdd(a, b);
    // Division by 4096 cannot overflow; both truncate toward zero as C++ does.
    layout.FirstNops = WrappingAdd(layout.Size, -kFunctionOverheadBytes) % kBlockCodeBytes;
    layout.BlockCount = layout.Size / kBlockCodeBytes;
    return layout;
}

}  // namespace spacergen
