// spacergen's arguments, each ended by a NUL byte.
#include <string>

#include "seed_files.h"

namespace fuzzing {

void WriteSpacergenSeeds(const std::filesystem::path& folder) {
    const struct {
        const char* Name;
        std::string A, B;
    } seeds[] = {
        {"readme-example", "1000", "2010"},  // three blocks after the first function
        {"exact-five", "0", "5"},            // an empty first function
        {"below-five", "2", "1"},            // S - 5 negative: no NOP lines
        {"signs", "+abc", "-1"},
        {"upper-case", "FfFf", "ABC"},
        {"wraps-to-32-bits", "123456789", "ffffffff"},
        {"white-space", " \t10", "\n\v\f\r+20"},
        {"base-prefix-reads-0", "0x10", "3000"},
        {"trailing-text", "12g4", "1fz"},
        {"names-gain-a-digit", "7", "8000"},  // blocks 8, 9, 10
        {"names-wrap-past-32-bits", "fffffffe", "4010"},
        {"whole-blocks", "1000", "3000"},  // S mod 4096 = 0
        {"negative-sum", "-5000", "10"},
    };
    for (const auto& seed : seeds) {
        Bytes bytes(seed.A.begin(), seed.A.end());
        bytes.push_back(0);
        bytes.insert(bytes.end(), seed.B.begin(), seed.B.end());
        bytes.push_back(0);
        WriteSeed(folder, seed.Name, bytes);
    }
}

}  // namespace fuzzing
