// The sample sheet: the list of its cells, each with a name, and the check that no two are alike.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sample_sheet/cell.h"

namespace sample_sheet {

constexpr int kColumns = 13;
constexpr int kMinimumRows = 20;

struct Entry {
    std::string Name;
    Cell Drawing;
};

std::vector<Entry> BuildSheet();

// Every cell must be different, or the sheet would waste cells and confuse whoever assigns them.
bool CheckDistinct(const std::vector<Entry>& sheet);

}  // namespace sample_sheet
