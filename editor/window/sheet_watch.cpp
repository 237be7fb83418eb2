#include "window/sheet_watch.h"

#include <QFileInfo>

namespace mosalind {

SheetWatch::SheetWatch(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMilliseconds);
    connect(&quiet_, &QTimer::timeout, this, [this] { QuietPeriodOver(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { SomethingChanged(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { SomethingChanged(); });
}

void SheetWatch::Watch(const QString& path) {
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    const QFileInfo file(path);
    path_ = file.absoluteFilePath();
    watcher_.addPath(file.absolutePath());
    watcher_.addPath(path_);
    MarkRead();
}

void SheetWatch::MarkRead() {
    quiet_.stop();
    read_ = StampNow();
    pending_ = read_;
}

SheetWatch::Stamp SheetWatch::StampNow() const {
    const QFileInfo file(path_);
    if (!file.exists()) {
        return {};
    }
    return {true, file.size(), file.lastModified(), file.metadataChangeTime()};
}

void SheetWatch::SomethingChanged() {
    // A file that was replaced or made again is a new file to watch.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
    const Stamp now = StampNow();
    if (now == read_ && !quiet_.isActive()) {
        return;  // another file of the folder, or nothing that shows
    }
    pending_ = now;
    quiet_.start();  // starts the quiet period again
}

void SheetWatch::QuietPeriodOver() {
    const Stamp now = StampNow();
    if (now != pending_) {
        // Changed without an event reaching us yet: wait for it to be quiet.
        pending_ = now;
        quiet_.start();
        return;
    }
    if (now == read_) {
        return;  // changed and changed back
    }
    read_ = now;
    emit Settled();
}

}  // namespace mosalind
