#include "window/recovery_keeper.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "base/system_reason.h"

namespace mosalind {

namespace {

const QString kRecoverySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");

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
      folderBytes_(Encoded(folder)),
      pathBytes_(Encoded(path_)),
      writer_(pathBytes_) {
    lock_.setStaleLockTime(0);
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMilliseconds);
    connect(&delay_, &QTimer::timeout, this, [this] { WriteDue(); });
    listening_ = session_.Listen([this](const SessionChange& change) {
        if (change.Has(SessionChange::kSheet)) {
            SheetChanged();
        } else if (change.Has(SessionChange::kSet | SessionChange::kRevision | SessionChange::kFile)) {
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
        const QString reason = error ? QString::fromLocal8Bit(error.message().c_str())
                                     : QStringLiteral("error %1").arg(static_cast<int>(lock_.error()));
        Report(QStringLiteral("cannot keep unsaved edits in %1 (%2); editing goes on without them")
                   .arg(QDir::toNativeSeparators(folder_), reason));
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
    if (settled_ != session_.Revision() && !delay_.isActive()) {
        delay_.start();
    }
}

void RecoveryKeeper::SheetChanged() {
    settled_.reset();
    SessionChanged();
}

void RecoveryKeeper::Clear() {
    delay_.stop();
    settled_ = session_.Revision();
    Post({true, {}});
}

void RecoveryKeeper::WriteNow() {
    delay_.stop();
    WriteDue();
    WaitUntilDone();
}

void RecoveryKeeper::WriteDue() {
    if (!session_.IsOpen() || !session_.IsUnsaved() || settled_ == session_.Revision() || !Snapshot || !HoldLock()) {
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
    settled_ = session_.Revision();
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
    const QStringList recoveries = folder.entryList({QStringLiteral("*") + kRecoverySuffix}, QDir::Files);
    for (const QString& file : recoveries) {
        const QString name = file.chopped(kRecoverySuffix.size());
        if (name == name_) {
            continue;
        }
        std::unique_ptr<QLockFile> lock = LockOf(folder.filePath(name + kLockSuffix));
        if (!lock->tryLock(0)) {
            continue;  // its editor is running, or another one starting now asks about it
        }
        RemoveUnfinishedWrites(name);
        const QString path = folder.filePath(file);
        try {
            found.push_back({path, std::move(lock), ReadRecoveryFile(Encoded(path))});
        } catch (const std::exception& refusal) {
            SetAside(path, QString::fromLocal8Bit(refusal.what()));
        }
    }
    // The lock files of editors that ended with nothing unsaved.
    for (const QString& file : folder.entryList({QStringLiteral("*") + kLockSuffix}, QDir::Files)) {
        const QString name = file.chopped(kLockSuffix.size());
        if (name != name_ && !recoveries.contains(name + kRecoverySuffix)) {
            std::unique_ptr<QLockFile> lock = LockOf(folder.filePath(file));
            if (lock->tryLock(0)) {
                RemoveUnfinishedWrites(name);
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const AbandonedRecovery& a, const AbandonedRecovery& b) {
        return a.Set.Note.KeptAt > b.Set.Note.KeptAt;
    });
    return found;
}

void RecoveryKeeper::Discard(AbandonedRecovery& found) {
    if (!QFile::remove(found.Path) && QFileInfo::exists(found.Path)) {
        Report(QStringLiteral("cannot remove %1").arg(found.Path));
    }
    found.Lock.reset();
}

void RecoveryKeeper::Adopt(AbandonedRecovery& found) {
    WaitUntilDone();
    if (HoldLock() && std::rename(Encoded(found.Path).c_str(), pathBytes_.c_str()) == 0) {
        settled_ = session_.Revision();
    } else {
        // The restored set is written anew as this editor's; the old file stays where it is
        // and is offered again at a later start.
        settled_.reset();
        SessionChanged();
        return;
    }
    found.Lock.reset();
}

}  // namespace mosalind
