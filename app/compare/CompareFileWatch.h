// Watches the two compared files and reports, once per burst of events, when one changed.
#pragma once

#include "app/compare/DiskChangeCheck.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

namespace varnex {

class CompareFileWatch : public QObject {
    Q_OBJECT

public:
    // Editors save into a new file and rename it; a burst of their events settles this long.
    static constexpr int kSettleMs = 300;

    // `busy` is true while a compare runs: its own reading is no change, and the comparison
    // that follows takes the files as they are then.
    CompareFileWatch(std::function<bool()> busy, QObject* parent = nullptr);

    // Watches the files of a new comparison (and their folders); empty paths are not watched.
    void Watch(const std::string& first, const std::string& second);

signals:
    void FileChanged(Side side, DiskChange change);

private:
    void OnEvent();
    void CheckFiles();
    void WatchPaths();

    std::function<bool()> busy_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    DiskChangeCheck check_;
};

} // namespace varnex
