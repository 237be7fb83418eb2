// A fuzz target as a plain program: runs every file it is given, or every file of every
// folder it is given, through the target once. A broken property or a fault stops it right
// after the line naming the input. Folders that do not exist are passed over; replaying
// no input at all is a failure, since a corpus always holds its seeds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& given) {
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    if (std::filesystem::is_directory(given, error)) {
        for (const auto& entry : std::filesystem::directory_iterator(given)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
    } else if (std::filesystem::is_regular_file(given, error)) {
        inputs.push_back(given);
    }
    return inputs;
}

}  // namespace

int main(int argc, char* argv[]) {
    fuzzing::MarkReplaying();
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : InputsOf(argv[i])) {
            std::printf("replaying %s\n", input.c_str());
            std::fflush(stdout);
            std::ifstream in(input, std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
            if (!in.good() && !in.eof()) {
                std::fprintf(stderr, "cannot read %s\n", input.c_str());
                return 1;
            }
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
