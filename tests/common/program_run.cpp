#include "common/program_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "dev_support/temp_folder.h"

namespace testing_support {

ProgramResult RunProgram(const std::string& program, const std::filesystem::path& folder,
                         const std::vector<std::string>& arguments) {
    // Output goes to files outside the folder so that it never shows up inside it.
    dev_support::TempDir capture;
    const std::filesystem::path outPath = capture.Path() / "stdout";
    const std::filesystem::path errPath = capture.Path() / "stderr";

    std::vector<std::string> copies{program};
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : copies) {
        argv.push_back(argument.data());
    }
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
        result.ExitStatus = WEXITSTATUS(status);
    }
    result.Out = dev_support::ReadFileText(outPath);
    result.Err = dev_support::ReadFileText(errPath);
    return result;
}

}  // namespace testing_support
