#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace mosalind {

// A file opened for reading front to back. Opening and reading throw RefusedError with the
// system's reason and the file name; a read that meets the end of the file early is not an
// error: it reports how many bytes it got.
class ByteFileReader {
public:
    explicit ByteFileReader(const std::string& path);
    ~ByteFileReader();
    ByteFileReader(const ByteFileReader&) = delete;
    ByteFileReader& operator=(const ByteFileReader&) = delete;

    // Reads up to `count` bytes into `destination`; returns the number read.
    std::size_t Read(std::uint8_t* destination, std::size_t count);

    // Moves to byte `offset` from the start; a place past the end is allowed and reads
    // nothing.
    void Seek(std::uint64_t offset);

private:
    std::string path_;
    std::FILE* file_ = nullptr;
};

}  // namespace mosalind
