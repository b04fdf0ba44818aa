// Runs a compare on a thread of its own while the window goes on answering.
#include "app/compare/CompareRun.h"

#include <QEventLoop>
#include <QThread>

#include <memory>

namespace varnex {

CompareRun::CompareRun(QObject* parent) : QObject(parent) {
    busyTimer_.setSingleShot(true);
    busyTimer_.setInterval(kBusyDelayMs);
    connect(&busyTimer_, &QTimer::timeout, this, &CompareRun::LongRunning);
}

LoadResult CompareRun::Run(const Work& work) {
    cancel_.emplace();
    running_ = true;
    LoadResult result = LoadResult::Ok;
    QEventLoop waiting;
    const std::unique_ptr<QThread> thread(
        QThread::create([&work, &result, this] { result = work(*cancel_); }));
    // Emitted on the worker's thread and queued here, so an early end is never missed.
    connect(thread.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    busyTimer_.start();
    emit Started();
    thread->start();
    waiting.exec();
    thread->wait();
    busyTimer_.stop();
    running_ = false;
    emit Ended();
    return result;
}

void CompareRun::Cancel() {
    if (running_ && cancel_) cancel_->Cancel();
}

} // namespace varnex
