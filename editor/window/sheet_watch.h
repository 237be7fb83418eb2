#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace mosalind {

// Watches the loaded tile sheet's file and says when it has changed and then stayed
// unchanged for a quiet period, so that a file still being written is not read half-way.
// Programs often save by writing a new file and renaming it over the old one, which ends
// a watch on the file itself; the folder is watched too, so the new file is found (also
// after the file was deleted and made again). Changes to other files of the folder, and
// events that leave the sheet's file as it was last read, are not reported.
class SheetWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMilliseconds = 500;

    explicit SheetWatch(QObject* parent = nullptr);

    // Starts watching `path` (in place of any earlier file), as it is now.
    void Watch(const QString& path);
    // The file being watched; empty before Watch.
    const QString& Path() const { return path_; }

    // The file is being read now: a change from before is no longer pending.
    void MarkRead();

    void SetQuietPeriod(int milliseconds) { quiet_.setInterval(milliseconds); }

signals:
    // The file differs from when it was last read and has been quiet for the quiet period.
    void Settled();

private:
    // What tells one state of the file from another without reading it.
    struct Stamp {
        bool Exists = false;
        qint64 Size = 0;
        QDateTime Modified;
        QDateTime StatusChanged;
        bool operator==(const Stamp&) const = default;
    };
    Stamp StampNow() const;

    void SomethingChanged();
    void QuietPeriodOver();

    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QString path_;
    Stamp read_;     // the file as last read
    Stamp pending_;  // the file at the last change seen
};

}  // namespace mosalind
