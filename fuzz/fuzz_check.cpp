#include "fuzz_check.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

}  // namespace

bool Replaying() {
    return replaying;
}

void MarkReplaying() {
    replaying = true;
}

std::filesystem::path ScratchParent() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace fuzzing
