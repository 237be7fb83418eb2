#include "base/replace_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "base/byte_file_reader.h"
#include "base/refused_error.h"
#include "base/system_reason.h"

namespace mosalind {

namespace {

[[noreturn]] void RefuseSave(const std::string& path, const std::string& reason) {
    throw RefusedError("Cannot save " + path + ": " + reason);
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

// A new file written whole beside its target, not yet in the target's place; or, for a
// character device (a terminal, /dev/null, /dev/stdout), the device itself, written straight
// through at the end, since it cannot be replaced and holds nothing to lose.
struct Prepared {
    std::string Path;
    std::filesystem::path Target;
    std::string Temporary;
    std::string Old;  // a second name of the target as it was, while a pair is being replaced
    bool Replaced = false;
    const FileReplacement* Replacement = nullptr;
};

// Why the target cannot be given new contents, by what it is; empty when it can. A dangling
// link would be replaced by a file, a folder, a FIFO, a socket or a block device by a file
// of the same name: each is refused before anything is written.
std::string TargetRefusal(const std::string& path, const std::filesystem::path& target, bool& device) {
    device = false;
    if (const std::optional<std::string> dangling = DanglingLinkReason(path)) {
        return *dangling;
    }
    struct stat existing {};
    if (stat(target.c_str(), &existing) != 0) {
        return {};
    }
    if (S_ISDIR(existing.st_mode)) {
        return SystemReason(EISDIR);
    }
    if (S_ISCHR(existing.st_mode)) {
        device = true;
        return {};
    }
    if (const std::optional<std::string> odd = OddFileKind(existing.st_mode)) {
        return "it is " + *odd + ", not a file";
    }
    // The new contents arrive by a rename, which a read-only file would not stop; such a
    // file is refused as writing over it in place would be.
    if (access(target.c_str(), W_OK) != 0) {
        return SystemReason(errno);
    }
    return {};
}

int WritePieces(int fd, const FileReplacement& replacement) {
    for (const std::span<const std::uint8_t> piece : replacement.Pieces) {
        if (const int failure = WriteAll(fd, piece); failure != 0) {
            return failure;
        }
    }
    return 0;
}

// Writes the new file for `replacement`; returns an empty reason or the reason it failed,
// having then removed what it created.
std::string Prepare(const FileReplacement& replacement, Prepared& prepared) {
    prepared.Path = replacement.Path;
    prepared.Target = ResolvedTarget(replacement.Path);
    prepared.Replacement = &replacement;
    bool device = false;
    if (std::string refusal = TargetRefusal(replacement.Path, prepared.Target, device); !refusal.empty()) {
        return refusal;
    }
    if (device) {
        return {};
    }
    const int fd = CreateTemporaryBeside(prepared.Target, prepared.Temporary);
    if (fd < 0) {
        return SystemReason(errno);
    }
    KeepPermissionsOf(prepared.Target, fd);

    int failure = WritePieces(fd, replacement);
    if (failure == 0 && fsync(fd) != 0) {
        failure = errno;
    }
    if (close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure != 0) {
        unlink(prepared.Temporary.c_str());
        prepared.Temporary.clear();
        return SystemReason(failure);
    }
    return {};
}

// Copies `from` to the new file `to`, with its permission bits; returns 0 or the errno.
int CopyFile(const std::filesystem::path& from, const std::string& to) {
    const int in = open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) {
        return errno;
    }
    const int out = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        const int failure = errno;
        close(in);
        return failure;
    }
    KeepPermissionsOf(from, out);
    int failure = 0;
    std::vector<std::uint8_t> piece(std::size_t{1} << 16);
    for (;;) {
        const ssize_t got = read(in, piece.data(), piece.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            failure = got < 0 ? errno : 0;
            break;
        }
        if ((failure = WriteAll(out, std::span<const std::uint8_t>(piece.data(), static_cast<std::size_t>(got)))) !=
            0) {
            break;
        }
    }
    if (failure == 0 && fsync(out) != 0) {
        failure = errno;
    }
    close(in);
    if (close(out) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure != 0) {
        unlink(to.c_str());
    }
    return failure;
}

// A second name for the target as it is, so that it can be put back should a later file of
// the same replacement fail; nothing when there is no target. Returns 0 or the errno.
int KeepOld(Prepared& prepared) {
    if (access(prepared.Target.c_str(), F_OK) != 0) {
        return 0;
    }
    std::filesystem::path folder = prepared.Target.parent_path();
    const std::string stem = "." + prepared.Target.filename().string() + ".old-" + std::to_string(getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = ((folder.empty() ? "." : folder) / (stem + "-" + std::to_string(attempt))).string();
        if (link(prepared.Target.c_str(), name.c_str()) == 0) {
            prepared.Old = name;
            return 0;
        }
        if (errno == EEXIST) {
            continue;
        }
        // A file system without hard links: a copy does.
        const int failure = CopyFile(prepared.Target, name);
        if (failure == 0) {
            prepared.Old = name;
        }
        return failure;
    }
    return EEXIST;
}

// Puts back what the renames done so far replaced, newest first, and removes what is left.
void Undo(std::vector<Prepared>& prepared) {
    for (auto file = prepared.rbegin(); file != prepared.rend(); ++file) {
        if (file->Replaced) {
            if (file->Old.empty()) {
                unlink(file->Target.c_str());  // there was none
            } else if (std::rename(file->Old.c_str(), file->Target.c_str()) == 0) {
                file->Old.clear();
            }
        }
        for (const std::string& left : {file->Temporary, file->Old}) {
            if (!left.empty()) {
                unlink(left.c_str());
            }
        }
    }
}

// Holds back the signals that end a program by default while the files change places, so
// that an interrupt (Ctrl+C) or a terminate does not fall between two renames.
class HeldSignals {
public:
    HeldSignals() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
            sigaddset(&held, signal);
        }
        pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t before_{};
};

void WriteStraightThrough(const Prepared& file) {
    const int fd = open(file.Target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    int failure = fd < 0 ? errno : WritePieces(fd, *file.Replacement);
    if (fd >= 0 && close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    if (failure != 0) {
        RefuseSave(file.Path, SystemReason(failure));
    }
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
        if (std::string failure = Prepare(files[i], prepared[i]); !failure.empty()) {
            Undo(prepared);
            RefuseSave(files[i].Path, failure);
        }
    }
    {
        const HeldSignals held;
        // With more than one file, each target's old contents stay reachable until every
        // rename is done: a failing rename puts the ones before it back.
        for (Prepared& file : prepared) {
            if (file.Temporary.empty()) {
                continue;
            }
            const int kept = prepared.size() > 1 ? KeepOld(file) : 0;
            if (kept != 0 || std::rename(file.Temporary.c_str(), file.Target.c_str()) != 0) {
                const int failure = kept != 0 ? kept : errno;
                Undo(prepared);
                RefuseSave(file.Path, SystemReason(failure));
            }
            file.Replaced = true;
            file.Temporary.clear();
        }
        for (Prepared& file : prepared) {
            if (!file.Old.empty()) {
                unlink(file.Old.c_str());
                file.Old.clear();
            }
        }
    }
    // Each folder once: a tileset and its picture share theirs.
    std::vector<std::filesystem::path> folders;
    for (const Prepared& file : prepared) {
        const std::filesystem::path folder = file.Target.parent_path();
        if (file.Replaced && std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
            SyncFolderOf(file.Target);
        }
    }
    for (const Prepared& file : prepared) {
        if (!file.Replaced) {
            WriteStraightThrough(file);
        }
    }
}

}  // namespace mosalind
