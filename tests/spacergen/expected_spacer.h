#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace spacergen_test {

// One function of spacer.dat as read back: the text its name carries after "XSPACER0x",
// its NOP lines of 32, 27 and 1 values, and whether it ends as a block function does.
struct SpacerFunction {
    std::string Name;
    int Lines32 = 0;
    int Lines27 = 0;
    int Lines1 = 0;
    bool BlockEnd = false;

    bool operator==(const SpacerFunction&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const SpacerFunction& function) {
    return out << function.Name << ": " << function.Lines32 << " x 32, " << function.Lines27 << " x 27, "
               << function.Lines1 << " x 1" << (function.BlockEnd ? ", block end" : "");
}

// spacer.dat read line by line, each line one of the file's exact pieces and in the order
// a function has them (its header, lines of 32, at most one of 27, lines of 1, its end);
// nothing when any line is not.
std::optional<std::vector<SpacerFunction>> ReadSpacer(const std::string& text);

// What a file should read as: the first function (`name`, with `lines32` and `lines1` NOP
// lines), then `blocks` block functions of 127 lines of 32 and one of 27, named with the
// unsigned 32-bit numbers from `firstBlock` on.
std::vector<SpacerFunction> Spacer(const std::string& name, int lines32, int lines1, std::uint32_t firstBlock = 0,
                                   int blocks = 0);

}  // namespace spacergen_test
