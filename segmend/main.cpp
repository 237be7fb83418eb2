// segmend FILE: gives the first segment named "CSEG..." in an OMF object file the Common
// combination, in place.
#include "patch_object_file.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "\nUsage: segmend {file} \nFile = compiled object filename.\ne.g.: segmend vorn.obj \n\n";

constexpr const char* kHelp =
    "usage: segmend FILE\n"
    "Gives the first segment named CSEG... in the OMF object file FILE the Common\n"
    "combination, in place (for example: segmend vorn.obj).\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

// --help and --version answer on standard output; a failed write there is an error too.
int Answer(const char* text) {
    if (std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0) {
        return 0;
    }
    std::fputs("segmend: cannot write to standard output\n", stderr);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argv[1] == nullptr) {
        std::fputs(kUsage, stdout);
        return 1;
    }
    // A file of either name is still reachable as ./--help or ./--version.
    if (std::strcmp(argv[1], "--help") == 0) {
        return Answer(kHelp);
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        return Answer("segmend (Mosalind) " MOSALIND_VERSION "\n");
    }
    // Further arguments are ignored.
    const char* path = argv[1];
    const segmend::PatchOutcome outcome = segmend::PatchObjectFile(path);
    switch (outcome.Status) {
        case segmend::PatchStatus::Done:
            return 0;
        case segmend::PatchStatus::CannotOpen:
            std::printf("Cannot open %s", path);
            return 1;
        case segmend::PatchStatus::Failed:
            std::fprintf(stderr, "segmend: cannot %s %s: %s\n", outcome.FailedAction.c_str(), path,
                         std::strerror(outcome.Error));
            return 1;
    }
    return 1;
}
