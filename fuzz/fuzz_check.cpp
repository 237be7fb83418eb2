#include "fuzz_check.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fuzzing {

void FuzzCheck(bool holds, const char* property) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::fflush(stderr);
    std::abort();
}

namespace {

bool replaying = false;

std::filesystem::path ScratchBase() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace

bool Replaying() {
    return replaying;
}

void MarkReplaying() {
    replaying = true;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (ScratchBase() / "mosalind-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mosalind fuzz: cannot make a scratch folder");
        std::exit(1);
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    FuzzCheck(static_cast<bool>(out), "the scratch file can be written");
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    FuzzCheck(static_cast<bool>(in), "the written file can be read back");
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fuzzing
