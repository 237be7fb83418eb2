// The colours the sample sheet draws its keyed and tinted tiles in.
#pragma once

#include <array>

#include "sheet_palette.h"

namespace sample_sheet {

using namespace sheet_palette;

struct Tint {
    Colour Light, Mid, Dark;
};

constexpr Tint kRedTint{Orange, Red, DarkRed};
constexpr Tint kYellowTint{White, Yellow, Orange};
constexpr Tint kGreenTint{Yellow, Green, DarkGreen};
constexpr Tint kBlueTint{Ice, Blue, Black};
constexpr Tint kPurpleTint{Ice, Purple, Blue};
constexpr Tint kDiamondTint{White, Ice, Grey};
constexpr std::array<Tint, 4> kKeyTints{kRedTint, kYellowTint, kGreenTint, kBlueTint};
constexpr std::array<const char*, 4> kKeyColourNames{"red", "yellow", "green", "blue"};

}  // namespace sample_sheet
