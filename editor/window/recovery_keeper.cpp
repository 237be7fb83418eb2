#include "window/recovery_keeper.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "base/byte_file_reader.h"
#include "base/refused_error.h"
#include "base/replace_file.h"
#include "base/system_reason.h"

namespace mosalind {

namespace {

const QString kRecoverySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");
// Beside a running editor's lock: the set it has open.
const QString kRecordSuffix = QStringLiteral(".open");
constexpr std::uint64_t kMostRecordBytes = 64 * 1024;

std::string Encoded(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void Report(const QString& line) {
    std::fprintf(stderr, "mosalind: %s\n", QFile::encodeName(line).constData());
}

// Stale only when its editor is no longer running, however old the lock is.
std::unique_ptr<QLockFile> LockOf(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

// Each editor's files have a name of their own, also for several windows of one process.
QString EditorName() {
    static std::atomic<int> windows{0};
    return QStringLiteral("editor-%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(windows++);
}

// The folder is made on first use, readable by its owner only: it holds the user's work.
bool MakeFolder(const std::string& folder, std::error_code& error) {
    const bool made = std::filesystem::create_directories(folder, error);
    if (made) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    }
    return !error && std::filesystem::is_directory(folder, error);
}

// What stands at `path` when it is not a regular file ("a FIFO (named pipe)"), told
// without following a link, so nothing is opened; nothing for a regular file or no file.
std::optional<std::string> OddKindAt(const QString& path) {
    struct stat entry {};
    if (lstat(Encoded(path).c_str(), &entry) != 0) {
        return std::nullopt;
    }
    return OddFileKind(entry.st_mode);
}

QString Words(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}

// Whether the editor that holds `lock`, which could not be taken, is running: its lock file
// names a process of this machine that is alive, or another machine. A lock that cannot be
// taken because nothing can be made in the folder (read-only, full) names no one.
bool LockNamesRunningEditor(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application)) {
        return false;
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return true;
    }
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The lock of `lockPath`, taken; or nothing, with `running` saying whether that is because
// its editor runs. The file is looked at first: only a regular file is read as a lock.
std::unique_ptr<QLockFile> TakeLock(const QString& lockPath, bool& running) {
    running = false;
    std::unique_ptr<QLockFile> lock = LockOf(lockPath);
    if (lock->tryLock(0)) {
        return lock;
    }
    running = LockNamesRunningEditor(*lock);
    return nullptr;
}

// The names in `folder` that end in `suffix`, sorted; nothing is opened or followed.
QStringList NamesEndingIn(const QString& folder, const QString& suffix) {
    QStringList names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(Encoded(folder), error), end; !error && entry != end;
         entry.increment(error)) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(entry->path().filename().string()));
        if (name.endsWith(suffix)) {
            names.push_back(name);
        }
    }
    names.sort();
    return names;
}

// Why nothing can be kept in `folder`, in words.
QString FolderProblem(const std::string& folder, const QLockFile& lock, const std::error_code& error) {
    if (error) {
        return Words(error.message());
    }
    if (access(folder.c_str(), W_OK) != 0) {
        return Words(SystemReason(errno));
    }
    struct statvfs space {};
    if (statvfs(folder.c_str(), &space) == 0 && space.f_bavail == 0) {
        return Words(SystemReason(ENOSPC));
    }
    switch (lock.error()) {
        case QLockFile::LockFailedError:
            return QStringLiteral("its lock file is held by another program");
        case QLockFile::PermissionError:
            return Words(SystemReason(EACCES));
        default:
            return QStringLiteral("its lock file cannot be written");
    }
}

// A file that cannot be read as a recovery file is renamed so it is not offered again,
// and kept for whoever wants to look into it.
void SetAside(const QString& path, const QString& reason) {
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n) {
        aside = path + QStringLiteral(".damaged-%1").arg(n);
    }
    if (!QFileInfo::exists(aside) && std::rename(Encoded(path).c_str(), Encoded(aside).c_str()) == 0) {
        Report(QStringLiteral("%1; it is kept as %2").arg(reason, aside));
    } else {
        Report(QStringLiteral("%1; it is left as it is").arg(reason));
    }
}

}  // namespace

QString RecoveryFolder() {
    const QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (!stateHome.isEmpty() && QDir::isAbsolutePath(stateHome)) {
        return QDir(stateHome).filePath(QStringLiteral("mosalind"));
    }
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        return {};
    }
    return QDir(home).filePath(QStringLiteral(".local/state/mosalind"));
}

RecoveryKeeper::RecoveryKeeper(const QString& folder, const EditingSession& session)
    : session_(session),
      folder_(folder),
      name_(EditorName()),
      path_(QDir(folder).filePath(name_ + kRecoverySuffix)),
      lock_(QDir(folder).filePath(name_ + kLockSuffix)),
      recordPath_(QDir(folder).filePath(name_ + kRecordSuffix)),
      folderBytes_(Encoded(folder)),
      pathBytes_(Encoded(path_)),
      writer_(pathBytes_) {
    lock_.setStaleLockTime(0);
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMilliseconds);
    connect(&delay_, &QTimer::timeout, this, [this] { WriteDue(); });
    listening_ = session_.Listen([this](const SessionChange& change) {
        if (change.Has(SessionChange::kSet | SessionChange::kFile)) {
            // Other editors ask before they open the set this one now has open.
            RecordOpenSet(session_.OwnFile());
        }
        if (change.Has(SessionChange::kDone | SessionChange::kTry)) {
            ++workChanges_;
        }
        if (change.Has(SessionChange::kSheet)) {
            SheetChanged();
        } else if (change.Has(SessionChange::kSet | SessionChange::kRevision | SessionChange::kFile)) {
            SessionChanged();
        } else if (change.Has(SessionChange::kDone | SessionChange::kTry) && session_.IsUnsaved()) {
            // Kept with the unsaved set; with nothing unsaved there is no file to keep it in.
            SessionChanged();
        }
    });
    static_cast<void>(HoldLock());
    worker_ = std::thread([this] { Work(); });
}

RecoveryKeeper::~RecoveryKeeper() {
    {
        const std::lock_guard<std::mutex> guard(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
    RecordOpenSet({});
}

// The lock is taken at the start, and again before a write should it have failed then: an
// unlocked recovery file would look like one of an editor that ended.
bool RecoveryKeeper::HoldLock() {
    if (lock_.isLocked()) {
        return true;
    }
    std::error_code error;
    if (MakeFolder(folderBytes_, error) && lock_.tryLock(0)) {
        return true;
    }
    if (!lockReported_) {
        lockReported_ = true;
        Report(QStringLiteral("cannot keep unsaved edits in %1: %2; editing goes on without them")
                   .arg(QDir::toNativeSeparators(folder_), FolderProblem(folderBytes_, lock_, error)));
    }
    return false;
}

void RecoveryKeeper::SessionChanged() {
    if (!session_.IsOpen()) {
        return;
    }
    if (!session_.IsUnsaved()) {
        Clear();
        return;
    }
    if (settled_ != Now() && !delay_.isActive()) {
        delay_.start();
    }
}

void RecoveryKeeper::SheetChanged() {
    settled_.reset();
    SessionChanged();
}

void RecoveryKeeper::Clear() {
    delay_.stop();
    settled_ = Now();
    Post({true, {}});
}

void RecoveryKeeper::WriteNow() {
    delay_.stop();
    WriteDue();
    WaitUntilDone();
}

void RecoveryKeeper::WriteDue() {
    if (!session_.IsOpen() || !session_.IsUnsaved() || settled_ == Now() || !Snapshot || !HoldLock()) {
        return;
    }
    Job job;
    try {
        job.Snapshot = Snapshot(pathBytes_);
    } catch (const std::exception& error) {
        if (!snapshotReported_) {
            snapshotReported_ = true;
            Report(QStringLiteral("cannot keep unsaved edits: %1").arg(QString::fromLocal8Bit(error.what())));
        }
        return;
    }
    settled_ = Now();
    Post(std::move(job));
}

void RecoveryKeeper::Post(Job job) {
    {
        const std::lock_guard<std::mutex> guard(mutex_);
        pending_ = std::move(job);
    }
    wake_.notify_one();
}

void RecoveryKeeper::WaitUntilDone() {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [this] { return !pending_ && !busy_; });
}

// The writing thread: one job at a time, the newest one asked for; on stopping, the job
// asked for last is still done.
void RecoveryKeeper::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_.has_value() || stopping_; });
        if (!pending_) {
            return;
        }
        const Job job = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        Do(job);
        lock.lock();
        busy_ = false;
        done_.notify_all();
    }
}

void RecoveryKeeper::Do(const Job& job) {
    if (job.Remove) {
        if (unlink(pathBytes_.c_str()) != 0 && errno != ENOENT && !writeReported_) {
            writeReported_ = true;
            std::fprintf(stderr, "mosalind: cannot remove %s: %s\n", pathBytes_.c_str(), SystemReason(errno).c_str());
        }
        return;
    }
    try {
        std::error_code error;
        if (!MakeFolder(folderBytes_, error)) {
            throw std::runtime_error("Cannot make the folder " + folderBytes_ + ": " + error.message());
        }
        writer_.Write(job.Snapshot);
        writeReported_ = false;
    } catch (const std::exception& error) {
        if (!writeReported_) {
            writeReported_ = true;
            std::fprintf(stderr, "mosalind: cannot keep unsaved edits: %s\n", error.what());
        }
    }
}

void RecoveryKeeper::RemoveUnfinishedWrites(const QString& name) const {
    const QDir folder(folder_);
    const QStringList unfinished = folder.entryList({QStringLiteral(".") + name + kRecoverySuffix + ".saving-*"},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& file : unfinished) {
        QFile::remove(folder.filePath(file));
    }
}

std::vector<AbandonedRecovery> RecoveryKeeper::FindAbandoned() {
    const QDir folder(folder_);
    std::vector<AbandonedRecovery> found;
    const QStringList recoveries = NamesEndingIn(folder_, kRecoverySuffix);
    for (const QString& file : recoveries) {
        const QString name = file.chopped(kRecoverySuffix.size());
        if (name == name_) {
            continue;
        }
        const QString path = folder.filePath(file);
        if (const std::optional<std::string> odd = OddKindAt(path)) {
            SetAside(path, QStringLiteral("%1 is %2, not a recovery file").arg(path, Words(*odd)));
            continue;
        }
        const QString lockPath = folder.filePath(name + kLockSuffix);
        const std::optional<std::string> oddLock = OddKindAt(lockPath);
        std::unique_ptr<QLockFile> lock;
        if (oddLock && *oddLock == OddFileKind(S_IFDIR)) {
            Report(QStringLiteral("%1 is a folder where the lock of %2 belongs; its edits are offered without a lock")
                       .arg(lockPath, path));
        } else {
            if (oddLock) {
                SetAside(lockPath, QStringLiteral("%1 is %2, not a lock file").arg(lockPath, Words(*oddLock)));
            }
            bool running = false;
            lock = TakeLock(lockPath, running);
            if (running) {
                continue;  // its editor is running, or another one starting now asks about it
            }
        }
        if (lock) {
            RemoveUnfinishedWrites(name);
            abandoned_.push_back(name);
        }
        try {
            found.push_back({path, std::move(lock), ReadRecoveryFile(Encoded(path))});
        } catch (const std::exception& refusal) {
            SetAside(path, QString::fromLocal8Bit(refusal.what()));
        }
    }
    // The lock files of editors that ended with nothing unsaved, and their records.
    for (const QString& file : NamesEndingIn(folder_, kLockSuffix)) {
        const QString name = file.chopped(kLockSuffix.size());
        if (name == name_ || recoveries.contains(name + kRecoverySuffix)) {
            continue;
        }
        const QString lockPath = folder.filePath(file);
        if (const std::optional<std::string> odd = OddKindAt(lockPath)) {
            if (*odd != OddFileKind(S_IFDIR)) {
                SetAside(lockPath, QStringLiteral("%1 is %2, not a lock file").arg(lockPath, Words(*odd)));
            }
            continue;
        }
        bool running = false;
        if (const std::unique_ptr<QLockFile> lock = TakeLock(lockPath, running)) {
            RemoveUnfinishedWrites(name);
            unlink(Encoded(folder.filePath(name + kRecordSuffix)).c_str());
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const AbandonedRecovery& a, const AbandonedRecovery& b) {
        return a.Set.Note.KeptAt > b.Set.Note.KeptAt;
    });
    return found;
}

void RecoveryKeeper::Discard(AbandonedRecovery& found) {
    if (unlink(Encoded(found.Path).c_str()) != 0 && errno != ENOENT) {
        Report(QStringLiteral("cannot remove the discarded edits in %1 (%2); they are offered again at the next start")
                   .arg(found.Path, Words(SystemReason(errno))));
    }
    found.Lock.reset();
}

void RecoveryKeeper::Adopt(AbandonedRecovery& found) {
    WaitUntilDone();
    const bool locked = HoldLock();
    if (locked && std::rename(Encoded(found.Path).c_str(), pathBytes_.c_str()) == 0) {
        settled_ = Now();
        found.Lock.reset();
        return;
    }
    // The restored set is written anew as this editor's; the old file stays where it is
    // and is offered again at a later start.
    const QString reason = locked ? Words(SystemReason(errno)) : QStringLiteral("no lock can be made there");
    Report(QStringLiteral("cannot take over the restored edits in %1 (%2); the file stays and is offered again at "
                          "the next start")
               .arg(found.Path, reason));
    settled_.reset();
    SessionChanged();
    found.Lock.reset();
}

void RecoveryKeeper::RecordOpenSet(const std::string& set) {
    // Absolute, so that it still names the file for an editor started in another folder.
    std::error_code error;
    const std::filesystem::path absolute =
        set.empty() ? std::filesystem::path() : std::filesystem::absolute(set, error);
    const std::string setPath = error ? set : absolute.string();
    if (setPath == recorded_) {
        return;
    }
    recorded_ = setPath;
    const std::string record = Encoded(recordPath_);
    if (setPath.empty()) {
        unlink(record.c_str());
        return;
    }
    if (!HoldLock()) {
        return;
    }
    try {
        ReplaceFileContents(record, std::vector<std::uint8_t>(setPath.begin(), setPath.end()));
    } catch (const RefusedError&) {
        // Other editors are not told; this one edits on as it would without them.
    }
}

bool RecoveryKeeper::IsOpenElsewhere(const std::string& setPath) const {
    const QDir folder(folder_);
    for (const QString& file : NamesEndingIn(folder_, kRecordSuffix)) {
        const QString name = file.chopped(kRecordSuffix.size());
        const QString lockPath = folder.filePath(name + kLockSuffix);
        if (name == name_ || abandoned_.contains(name) || OddKindAt(lockPath)) {
            continue;
        }
        bool running = false;
        if (TakeLock(lockPath, running)) {
            unlink(Encoded(folder.filePath(file)).c_str());  // its editor ended
            continue;
        }
        if (!running) {
            continue;
        }
        std::string named;
        try {
            ByteFileReader record(Encoded(folder.filePath(file)), kMostRecordBytes, "record", false);
            named.resize(static_cast<std::size_t>(record.Size()));
            named.resize(record.Read(reinterpret_cast<std::uint8_t*>(named.data()), named.size()));
        } catch (const RefusedError&) {
            continue;
        }
        std::error_code error;
        if (named == setPath || std::filesystem::equivalent(named, setPath, error)) {
            return true;
        }
    }
    return false;
}

}  // namespace mosalind
