// A temporary folder that cleans up after itself, and whole-file reads and writes.
#pragma once

#include <filesystem>
#include <string>

#include "dev_support/le_bytes.h"

namespace dev_support {

// A fresh folder mosalind-XXXXXX under `parent` (the system's temporary folder unless
// given), removed with everything in it, whatever permissions were taken from it.
class TempDir {
public:
    explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Each throws std::runtime_error naming the file when it cannot read or write it.
Bytes ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);
// An unreadable or missing file reads as "".
std::string ReadFileText(const std::filesystem::path& path);
void WriteFileText(const std::filesystem::path& path, const std::string& text);

}  // namespace dev_support
