// Runs a built program the way a user does from a shell, for the black-box tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct ProgramResult {
    int ExitStatus = -1;  // -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// Runs `program` with `arguments` in `folder` and collects its exit status and output.
ProgramResult RunProgram(const std::string& program, const std::filesystem::path& folder,
                         const std::vector<std::string>& arguments);

}  // namespace testing_support
