#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace mosalind {

// What a file that is not a regular file is, in words ("a folder", "a FIFO (named pipe)",
// ...), for the one-line refusals of readers and writers; nothing for a regular file.
std::optional<std::string> OddFileKind(mode_t mode);

// The refusal of a symbolic link at `path` whose target does not exist, when it is one.
std::optional<std::string> DanglingLinkReason(const std::string& path);

// A file opened for reading front to back. Opening and reading throw RefusedError with the
// system's reason and the file name; a read that meets the end of the file early is not an
// error: it reports how many bytes it got.
//
// Only a regular file is opened: a folder, a FIFO, a device or a socket is refused by its
// kind before it is opened, and the opening itself cannot wait on a FIFO put in its place
// meanwhile. A file longer than `mostBytes` is refused by its size before a byte is read,
// naming `kind` ("tile set file"), so that a huge or sparse file costs neither time nor
// memory. With `followLinks` false, a symbolic link is refused as well.
class ByteFileReader {
public:
    static constexpr std::uint64_t kAnySize = std::numeric_limits<std::uint64_t>::max();

    explicit ByteFileReader(const std::string& path, std::uint64_t mostBytes = kAnySize, const char* kind = "",
                            bool followLinks = true);
    ~ByteFileReader();
    ByteFileReader(const ByteFileReader&) = delete;
    ByteFileReader& operator=(const ByteFileReader&) = delete;

    // Reads up to `count` bytes into `destination`; returns the number read.
    std::size_t Read(std::uint8_t* destination, std::size_t count);

    // Moves to byte `offset` from the start; a place past the end is allowed and reads
    // nothing.
    void Seek(std::uint64_t offset);

    // The file's length when it was opened.
    std::uint64_t Size() const { return size_; }

private:
    // Reads from the file itself until `count` bytes came or the file ended.
    std::size_t ReadFromFile(std::uint8_t* destination, std::size_t count);

    // Small reads (a header, a row) are served from a buffer filled a piece at a time; larger
    // ones go straight into the destination. No stdio: its stream asks the system again for
    // what this reader already knows.
    static constexpr std::size_t kBufferBytes = 8192;

    std::string path_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t buffered_ = 0;    // bytes in the buffer
    std::size_t taken_ = 0;       // of which already read
    std::uint64_t position_ = 0;  // the file's own place: just after what the buffer holds
};

}  // namespace mosalind
