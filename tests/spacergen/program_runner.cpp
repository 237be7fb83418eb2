#include "program_runner.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace spacergen_test {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "spacergen-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

ProgramResult runSpacergen(const fs::path& folder, const std::vector<std::string>& arguments) {
    // Output goes to files beside the folder so that it never shows up inside it.
    TemporaryFolder capture;
    const fs::path outPath = capture.path() / "stdout";
    const fs::path errPath = capture.path() / "stderr";

    std::vector<char*> argv;
    std::string program = SPACERGEN_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (auto& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    // Anything still buffered would otherwise be written a second time by the child.
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0 || !freopen(outPath.c_str(), "w", stdout) ||
            !freopen(errPath.c_str(), "w", stderr)) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    ProgramResult result;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

}  // namespace spacergen_test
