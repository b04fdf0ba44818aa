// Runs a compare on a thread of its own while the window goes on answering, and lets the user
// stop it.
#pragma once

#include "engine/CancelFlag.h"
#include "engine/CompareEngine.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace varnex {

class CompareRun : public QObject {
    Q_OBJECT

public:
    // A compare shorter than this shows no busy indicator: it would only flicker.
    static constexpr int kBusyDelayMs = 300;

    using Work = std::function<LoadResult(const CancelFlag& cancel)>;

    explicit CompareRun(QObject* parent = nullptr);

    // Runs `work` on another thread and returns its result. Meanwhile the window's events are
    // handled here (repaints, keys, the cancel button), so the caller must refuse whatever
    // would start another compare while Running() is true.
    LoadResult Run(const Work& work);
    bool Running() const { return running_; }
    // Asks the running work to stop; it ends as Cancelled at its next check.
    void Cancel();

signals:
    // Running() has just become true.
    void Started();
    // The run has taken longer than kBusyDelayMs.
    void LongRunning();
    // The run ended, however.
    void Ended();

private:
    std::optional<CancelFlag> cancel_;
    QTimer busyTimer_;
    bool running_ = false;
};

} // namespace varnex
