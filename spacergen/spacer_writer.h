#pragma once

#include "spacer_layout.h"
#include "text_sink.h"

#include <cstddef>

namespace spacergen {

// About the size of each write of block functions (64 blocks); the output can run to
// gigabytes.
inline constexpr std::size_t kDefaultRunBytes = std::size_t{3} << 19;

// Writes the whole of spacer.dat for `layout` to `sink`: the first function, then the
// block functions named A + 1 ... A + N in decimal. Stops at the first failed write and
// returns false.
bool WriteSpacer(const SpacerLayout& layout, TextSink& sink, std::size_t runBytes = kDefaultRunBytes);

}  // namespace spacergen
