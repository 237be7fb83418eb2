#include "base/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "base/refused_error.h"
#include "base/system_reason.h"

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

// A new file written whole beside its target, not yet in the target's place.
struct Prepared {
    std::string Path;
    std::filesystem::path Target;
    std::string Temporary;
};

// Writes the new file for `replacement`; returns 0 or the errno of the failing step, having
// then removed what it created.
int Prepare(const FileReplacement& replacement, Prepared& prepared) {
    prepared.Path = replacement.Path;
    prepared.Target = ResolvedTarget(replacement.Path);
    // The new contents arrive by a rename, which a read-only file would not stop; such a
    // file is refused as writing over it in place would be. A folder cannot be replaced by
    // a file: refused before anything is written.
    if (access(prepared.Target.c_str(), F_OK) == 0 && access(prepared.Target.c_str(), W_OK) != 0) {
        return errno;
    }
    struct stat existing {};
    if (stat(prepared.Target.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        return EISDIR;
    }
    const int fd = CreateTemporaryBeside(prepared.Target, prepared.Temporary);
    if (fd < 0) {
        return errno;
    }
    KeepPermissionsOf(prepared.Target, fd);

    int failure = 0;
    for (const std::span<const std::uint8_t> piece : replacement.Pieces) {
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
    if (failure != 0) {
        unlink(prepared.Temporary.c_str());
    }
    return failure;
}

}  // namespace

void ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    ReplaceFileContents(path, {std::span<const std::uint8_t>(bytes)});
}

void ReplaceFileContents(const std::string& path, std::initializer_list<std::span<const std::uint8_t>> pieces) {
    ReplaceFilesContents({FileReplacement{path, std::vector<std::span<const std::uint8_t>>(pieces)}});
}

void ReplaceFilesContents(const std::vector<FileReplacement>& files) {
    std::vector<Prepared> prepared(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int failure = Prepare(files[i], prepared[i]);
        if (failure != 0) {
            for (std::size_t done = 0; done < i; ++done) {
                unlink(prepared[done].Temporary.c_str());
            }
            RefuseSave(files[i].Path, failure);
        }
    }
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        if (std::rename(prepared[i].Temporary.c_str(), prepared[i].Target.c_str()) != 0) {
            const int failure = errno;
            for (std::size_t rest = i; rest < prepared.size(); ++rest) {
                unlink(prepared[rest].Temporary.c_str());
            }
            RefuseSave(prepared[i].Path, failure);
        }
    }
    // Each folder once: a tileset and its picture share theirs.
    std::vector<std::filesystem::path> folders;
    for (const Prepared& file : prepared) {
        const std::filesystem::path folder = file.Target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
            SyncFolderOf(file.Target);
        }
    }
}

}  // namespace mosalind
