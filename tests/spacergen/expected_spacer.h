#pragma once

#include <cstdint>
#include <string>

namespace spacergen_test {

// spacer.dat as the rules describe it, built here without the program's code: the
// arguments are given as their 32-bit patterns and all sums are done in 64 bits and
// brought back to 32-bit signed values.
std::string ExpectedSpacer(std::uint32_t a, std::uint32_t b);

// The three kinds of NOP line, spelled out.
std::string ExpectedNopLine(int values);

}  // namespace spacergen_test
