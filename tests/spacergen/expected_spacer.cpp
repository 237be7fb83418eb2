#include "expected_spacer.h"

#include <cstddef>

namespace spacergen_test {

namespace {

// A NOP line: "asm db ", the value 144 `values` times, ", " between them, " " and the newline.
std::string NopLine(int values) {
    std::string line = "asm db ";
    for (int i = 1; i < values; ++i) {
        line += "144, ";
    }
    return line + "144 \n";
}

}  // namespace

std::optional<std::vector<SpacerFunction>> ReadSpacer(const std::string& text) {
    const std::string head = "void XSPACER0x";
    const std::string headEnd = "__(void) { \n";
    const std::string line32 = NopLine(32);
    const std::string line27 = NopLine(27);
    const std::string line1 = NopLine(1);
    const std::string end1 = "return; \n }\n\n";
    const std::string endK = "return; \n } \n\n";

    std::vector<SpacerFunction> functions;
    std::size_t at = 0;
    const auto take = [&](const std::string& piece) {
        if (text.compare(at, piece.size(), piece) != 0) {
            return false;
        }
        at += piece.size();
        return true;
    };
    while (at < text.size()) {
        SpacerFunction function;
        const std::size_t nameEnd = text.find(headEnd, at);
        if (!take(head) || nameEnd == std::string::npos || text.find('\n', at) < nameEnd) {
            return std::nullopt;
        }
        function.Name = text.substr(at, nameEnd - at);
        at = nameEnd + headEnd.size();
        while (take(line32)) {
            ++function.Lines32;
        }
        function.Lines27 = take(line27) ? 1 : 0;
        while (take(line1)) {
            ++function.Lines1;
        }
        function.BlockEnd = take(endK);
        if (!function.BlockEnd && !take(end1)) {
            return std::nullopt;
        }
        functions.push_back(function);
    }
    return functions;
}

std::vector<SpacerFunction> Spacer(const std::string& name, int lines32, int lines1, std::uint32_t firstBlock,
                                   int blocks) {
    std::vector<SpacerFunction> functions{{name, lines32, 0, lines1, false}};
    for (int k = 0; k < blocks; ++k) {
        functions.push_back({std::to_string(static_cast<std::uint32_t>(firstBlock + k)), 127, 1, 0, true});
    }
    return functions;
}

}  // namespace spacergen_test
