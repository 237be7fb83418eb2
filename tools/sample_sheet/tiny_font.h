// A tiny 3 x 5 font for signs and score digits.
#pragma once

#include <string_view>

#include "sample_sheet/cell.h"

namespace sample_sheet {

void DrawText(Cell& c, int x, int y, std::string_view s, Colour colour, int scale = 1);

}  // namespace sample_sheet
