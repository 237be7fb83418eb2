// spacergen A B: writes spacer.dat, filler functions of NOP bytes worth A + B code bytes.
#include "hex_argument.h"
#include "output_file.h"
#include "spacer_layout.h"
#include "spacer_writer.h"

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kOutputName = "spacer.dat";

constexpr const char* kHelp =
    "usage: spacergen A B\n"
    "Writes spacer.dat in the current folder: C source of filler functions made of\n"
    "NOP bytes, worth A + B code bytes. A and B are hexadecimal numbers\n"
    "(for example: spacergen 1000 2010).\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

// --help and --version answer on standard output; a failed write there is an error too.
int Answer(const char* text) {
    std::cout << text;
    if (std::cout.flush()) {
        return 0;
    }
    std::cerr << "spacergen: cannot write to standard output\n";
    return 1;
}

int Usage() {
    std::cerr << "usage: spacergen A B\n"
                 "A and B are hexadecimal numbers (for example: spacergen 1000 2010)\n";
    return 1;
}

int FileError(const char* action, const spacergen::OutputFile& file) {
    std::cerr << "spacergen: cannot " << action << ' ' << kOutputName << ": " << file.ErrorText() << '\n';
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        return Answer(kHelp);
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        return Answer("spacergen (Mosalind) " MOSALIND_VERSION "\n");
    }
    if (argc < 3) {
        return Usage();
    }
    // Further arguments are ignored.
    const auto a = spacergen::ReadHexArgument(argv[1]);
    const auto b = spacergen::ReadHexArgument(argv[2]);
    if (!a || !b) {
        return Usage();
    }

    spacergen::OutputFile file;
    if (!file.Open(kOutputName)) {
        return FileError("create", file);
    }
    if (!spacergen::WriteSpacer(spacergen::ComputeLayout(*a, *b), file)) {
        return FileError("write", file);
    }
    if (!file.Close()) {
        return FileError("write", file);
    }
    return 0;
}
