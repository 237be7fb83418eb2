#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "document/recovery_file.h"
#include "editing/editing_session.h"

namespace mosalind {

// The folder of the recovery files: $XDG_STATE_HOME/mosalind, or ~/.local/state/mosalind
// when XDG_STATE_HOME is not an absolute path; empty when HOME is not known either.
QString RecoveryFolder();

// A recovery file whose editor is no longer running, held (its lock taken, so that another
// editor starting now leaves it alone) while the user is asked about it. In a folder where
// no lock can be made (read-only, full) it is offered without one.
struct AbandonedRecovery {
    QString Path;
    std::unique_ptr<QLockFile> Lock;
    RecoveredSet Set;
};

// Keeps the unsaved set of one running editor in its own recovery file of `folder`,
// with a lock file beside it (QLockFile) that tells other editors this one is running.
// It listens to the session: while the session is open and unsaved, the file is written at
// most kDelayMilliseconds after the session changed (one write for a burst of changes), and
// so after a change of the work kept beside the set (the tiles done by hand, the Try
// window's map, start and parameters) too, though that leaves the set saved or unsaved: the
// window's thread takes a snapshot of the set's bytes, sharing the session's sheet's
// planes, and a thread of the keeper's own writes them, as Save replaces a file. Once
// nothing is unsaved, the file is removed. A write that fails is reported once on standard
// error and tried again after the next change; editing goes on.
class RecoveryKeeper : public QObject {
public:
    static constexpr int kDelayMilliseconds = 1000;

    RecoveryKeeper(const QString& folder, const EditingSession& session);
    // Waits for the write under way and leaves the file: a window that ends without the
    // question about unsaved work leaves its edits behind, as a killed program does.
    ~RecoveryKeeper() override;
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // The set's snapshot as it is now, for the file at `path`; called on the window's thread
    // when a write is due. May throw RefusedError (the write is then left out).
    std::function<RecoverySnapshot(const std::string& path)> Snapshot;

    // The user discarded the unsaved edits: the file is removed, and written again only
    // after the next change.
    void Clear();
    // Writes the file at once if a write is due, and waits until every write and removal
    // asked for is done.
    void WriteNow();

    void SetDelay(int milliseconds) { delay_.setInterval(milliseconds); }
    const QString& FilePath() const { return path_; }

    // The recovery files of editors no longer running, newest first, whatever state the
    // folder is in. Only regular files are opened: a file that cannot be read as a
    // recovery file, and anything else in the place of one or of its lock (a FIFO, a
    // link, a device), is set aside (renamed, never deleted) with one line on standard
    // error; a folder in a lock's place is reported and its recovery file still offered.
    // The lock files, records and unfinished writes of ended editors are cleared.
    std::vector<AbandonedRecovery> FindAbandoned();
    // The user discarded `found`: its file is deleted and its lock released; a file that
    // cannot be deleted is named in one line.
    void Discard(AbandonedRecovery& found);
    // The set of `found` is now this editor's: its file becomes this editor's recovery file;
    // one that cannot be taken over is named in one line and stays where it is.
    void Adopt(AbandonedRecovery& found);

    // Tells other editors which set this one has open (`set`; empty for none or a new set):
    // a record beside the lock, which goes when the editor ends. The keeper records the
    // session's own file whenever it changes; the window also gives it the set whose kept
    // edits the user is being asked about.
    void RecordOpenSet(const std::string& set);
    // Whether another running editor has the set `setPath` (absolute) open, or is asking
    // about restoring kept edits of it.
    bool IsOpenElsewhere(const std::string& setPath) const;

private:
    // The session changed (an edit, an undo or redo, a Save): unsaved, its file is written
    // within the delay; with nothing unsaved, the file is removed.
    void SessionChanged();
    // The sheet was read anew: an unsaved set's file is written again with its planes.
    void SheetChanged();

    struct Job {
        bool Remove = false;
        RecoverySnapshot Snapshot;
    };

    bool HoldLock();
    void WriteDue();
    void Post(Job job);
    void WaitUntilDone();
    void Work();
    void Do(const Job& job);
    void RemoveUnfinishedWrites(const QString& name) const;

    // The window's thread only.
    const EditingSession& session_;
    QString folder_;
    QString name_;  // this editor's files are name_.recovery and name_.lock
    QString path_;
    QLockFile lock_;
    QTimer delay_;
    // What the file stands for: the set's revision and the count of changes of the work
    // kept beside it that it holds (or is being written with), or those for which no file is
    // wanted (saved, or discarded by the user).
    struct Kept {
        std::uint64_t Revision = 0;
        std::uint64_t WorkChanges = 0;
        bool operator==(const Kept&) const = default;
    };
    Kept Now() const { return {session_.Revision(), workChanges_}; }
    std::optional<Kept> settled_;
    std::uint64_t workChanges_ = 0;
    QString recordPath_;
    std::string recorded_;  // the set the record names
    // The editors that ended whose locks this one took to ask about their files: their
    // records name no running editor.
    QStringList abandoned_;
    bool lockReported_ = false;
    bool snapshotReported_ = false;
    SessionSubscription listening_;

    // Shared with the writing thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::optional<Job> pending_;  // the newest job replaces one not started yet
    bool busy_ = false;
    bool stopping_ = false;

    // The writing thread only (the strings are fixed before it starts).
    std::string folderBytes_;
    std::string pathBytes_;
    RecoveryFileWriter writer_;
    bool writeReported_ = false;
    std::thread worker_;
};

}  // namespace mosalind
