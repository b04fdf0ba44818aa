// Watches the two compared files and reports, once per burst of events, when one changed.
#include "app/compare/CompareFileWatch.h"

#include "app/ui/PathText.h"

#include <QFileInfo>

namespace varnex {

CompareFileWatch::CompareFileWatch(std::function<bool()> busy, QObject* parent)
    : QObject(parent), busy_(std::move(busy)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &CompareFileWatch::CheckFiles);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &CompareFileWatch::OnEvent);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CompareFileWatch::OnEvent);
}

void CompareFileWatch::Watch(const std::string& first, const std::string& second) {
    settle_.stop();
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    check_.Reset(first, second);
    WatchPaths();
}

// The folder tells of a file saved by rename, after which the old watch is gone.
void CompareFileWatch::WatchPaths() {
    for (const Side side : kBothSides) {
        if (check_.Path(side).empty()) continue;
        const QString path = PathText(check_.Path(side));
        const QString folder = QFileInfo(path).absolutePath();
        if (!watcher_.directories().contains(folder)) watcher_.addPath(folder);
        if (QFileInfo::exists(path) && !watcher_.files().contains(path)) watcher_.addPath(path);
    }
}

void CompareFileWatch::OnEvent() {
    settle_.start();
}

void CompareFileWatch::CheckFiles() {
    WatchPaths();
    if (busy_()) return;
    for (const Side side : kBothSides) {
        const DiskChange change = check_.Check(side);
        if (change != DiskChange::None) emit FileChanged(side, change);
    }
}

} // namespace varnex
