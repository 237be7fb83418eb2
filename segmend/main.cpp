// segmend FILE: gives the first segment named "CSEG..." in an OMF object file the Common
// combination, in place.
#include "object_file.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "\nUsage: segmend {file} \nFile = compiled object filename.\ne.g.: segmend vorn.obj \n\n";

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argv[1] == nullptr) {
        std::fputs(kUsage, stdout);
        return 1;
    }
    // Further arguments are ignored.
    const char* path = argv[1];
    const segmend::PatchOutcome outcome = segmend::patchObjectFile(path);
    switch (outcome.status) {
    case segmend::PatchStatus::Done:
        return 0;
    case segmend::PatchStatus::CannotOpen:
        std::printf("Cannot open %s", path);
        return 1;
    case segmend::PatchStatus::Failed:
        std::fprintf(stderr, "segmend: cannot %s %s: %s\n", outcome.failedAction.c_str(), path,
                     std::strerror(outcome.error));
        return 1;
    }
    return 1;
}
