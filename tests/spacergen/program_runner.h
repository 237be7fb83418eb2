#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace spacergen_test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct ProgramResult {
    int exitStatus = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the built spacergen with `arguments` in `folder`.
ProgramResult runSpacergen(const std::filesystem::path& folder, const std::vector<std::string>& arguments);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);

}  // namespace spacergen_test
