#include "document/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "document/refused_error.h"
#include "document/system_reason.h"

namespace mosalind {

namespace {

[[noreturn]] void RefuseSave(const std::string& path, int errorNumber) {
    throw RefusedError("Cannot save " + path + ": " + SystemReason(errorNumber));
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::filesystem::path ResolvedTarget(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        std::filesystem::path resolved = std::filesystem::canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

// A file beside the target, created exclusively so nothing else is overwritten.
int CreateTemporaryBeside(const std::filesystem::path& target, std::string& temporaryPath) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string stem = ".";
    stem += target.filename().string();
    stem += ".saving-";
    stem += std::to_string(getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = (folder / (stem + "-" + std::to_string(attempt))).string();
        const int fd = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Returns 0 or the errno of the failing step.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return 0;
}

void KeepPermissionsOf(const std::filesystem::path& target, int fd) {
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        fchmod(fd, existing.st_mode & 07777);
    }
}

void SyncFolderOf(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

void ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    ReplaceFileContents(path, {std::span<const std::uint8_t>(bytes)});
}

void ReplaceFileContents(const std::string& path, std::initializer_list<std::span<const std::uint8_t>> pieces) {
    const std::filesystem::path target = ResolvedTarget(path);
    // The new contents arrive by a rename, which a read-only file would not stop; such a
    // file is refused as writing over it in place would be.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) {
        RefuseSave(path, errno);
    }
    std::string temporaryPath;
    const int fd = CreateTemporaryBeside(target, temporaryPath);
    if (fd < 0) {
        RefuseSave(path, errno);
    }
    KeepPermissionsOf(target, fd);

    int failure = 0;
    for (const std::span<const std::uint8_t> piece : pieces) {
        if (failure == 0) {
            failure = WriteAll(fd, piece);
        }
    }
    if (failure == 0 && fsync(fd) != 0) {
        failure = errno;
    }
    if (close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure == 0 && std::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0) {
        unlink(temporaryPath.c_str());
        RefuseSave(path, failure);
    }
    SyncFolderOf(target);
}

}  // namespace mosalind
