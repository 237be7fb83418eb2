// Every layout the editor reads a tile sheet in, one each, for dev_support's BMP writer:
// the bitmap fuzz target re-encodes every sheet it decodes in each, and the seed generator
// writes one file per layout.
#pragma once

#include <vector>

#include "dev_support/bmp_writer.h"

namespace fuzzing {

struct SheetLayout {
    const char* Name;
    dev_support::BmpLayout Layout;
};

const std::vector<SheetLayout>& SheetLayouts();

}  // namespace fuzzing
