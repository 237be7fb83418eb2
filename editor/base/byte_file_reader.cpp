#include "base/byte_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#include "base/refused_error.h"
#include "base/system_reason.h"

namespace mosalind {

std::optional<std::string> OddFileKind(mode_t mode) {
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO (named pipe)";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    if (S_ISLNK(mode)) {
        return "a symbolic link";
    }
    return "not a regular file";
}

std::optional<std::string> DanglingLinkReason(const std::string& path) {
    struct stat link {};
    struct stat target {};
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) || stat(path.c_str(), &target) == 0) {
        return std::nullopt;
    }
    std::vector<char> to(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 255) + 1);
    const ssize_t got = readlink(path.c_str(), to.data(), to.size() - 1);
    const std::string where = got > 0 ? " to " + std::string(to.data(), static_cast<std::size_t>(got)) : "";
    return "it is a symbolic link" + where + ", which does not exist";
}

namespace {

[[noreturn]] void RefuseKind(const std::string& path, const std::string& kind) {
    throw RefusedError("Cannot open " + path + ": it is " + kind + ", not a file");
}

}  // namespace

ByteFileReader::ByteFileReader(const std::string& path, std::uint64_t mostBytes, const char* kind, bool followLinks)
    : path_(path) {
    // Told by its kind first, so that a device is never opened; then opened without waiting
    // (a FIFO put in its place meanwhile opens at once) and told again from what was opened.
    struct stat before {};
    if ((followLinks ? stat(path.c_str(), &before) : lstat(path.c_str(), &before)) == 0) {
        if (const std::optional<std::string> odd = OddFileKind(before.st_mode)) {
            RefuseKind(path, *odd);
        }
    } else if (const std::optional<std::string> dangling = DanglingLinkReason(path)) {
        throw RefusedError("Cannot open " + path + ": " + *dangling);
    }
    errno = 0;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        const int reason = errno;
        if (reason == ELOOP && !followLinks) {
            RefuseKind(path, "a symbolic link");
        }
        throw RefusedError("Cannot open " + path + ": " + SystemReason(reason));
    }
    struct stat opened {};
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        const std::optional<std::string> odd = OddFileKind(opened.st_mode);
        close(fd);
        RefuseKind(path, odd.value_or("not a regular file"));
    }
    size_ = static_cast<std::uint64_t>(opened.st_size);
    if (size_ > mostBytes) {
        close(fd);
        throw RefusedError("Cannot read " + path + ": it is " + std::to_string(size_) +
                           " bytes long, longer than any " + kind + " (at most " + std::to_string(mostBytes) +
                           " bytes)");
    }
    // O_NONBLOCK stays: it changes nothing for a regular file.
    fd_ = fd;
}

ByteFileReader::~ByteFileReader() {
    close(fd_);
}

std::size_t ByteFileReader::ReadFromFile(std::uint8_t* destination, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        errno = 0;
        const ssize_t read = ::read(fd_, destination + got, count - got);
        if (read > 0) {
            got += static_cast<std::size_t>(read);
            position_ += static_cast<std::uint64_t>(read);
        } else if (read == 0) {
            break;
        } else if (errno != EINTR) {
            const int reason = errno;
            throw RefusedError("Cannot read " + path_ + ": " + SystemReason(reason != 0 ? reason : EIO));
        }
    }
    return got;
}

std::size_t ByteFileReader::Read(std::uint8_t* destination, std::size_t count) {
    std::size_t got = std::min(count, buffered_ - taken_);
    if (got > 0) {
        std::memcpy(destination, buffer_.get() + taken_, got);
        taken_ += got;
    }
    if (got == count) {
        return got;
    }
    // The buffer is used up.
    buffered_ = 0;
    taken_ = 0;
    if (count - got >= kBufferBytes) {
        return got + ReadFromFile(destination + got, count - got);
    }
    if (!buffer_) {
        buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferBytes);
    }
    buffered_ = ReadFromFile(buffer_.get(), kBufferBytes);
    taken_ = std::min(count - got, buffered_);
    if (taken_ > 0) {
        std::memcpy(destination + got, buffer_.get(), taken_);
    }
    return got + taken_;
}

void ByteFileReader::Seek(std::uint64_t offset) {
    // A place within what the buffer holds (a header read, then its pixels right after it)
    // is reached without asking the system again.
    const std::uint64_t bufferStart = position_ - buffered_;
    if (offset >= bufferStart && offset <= position_) {
        taken_ = static_cast<std::size_t>(offset - bufferStart);
        return;
    }
    errno = 0;
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
        lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
        const int reason = errno;
        throw RefusedError("Cannot read " + path_ + ": " + SystemReason(reason != 0 ? reason : EINVAL));
    }
    position_ = offset;
    buffered_ = 0;
    taken_ = 0;
}

}  // namespace mosalind
