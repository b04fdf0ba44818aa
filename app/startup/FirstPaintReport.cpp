// Writes "painted" to the descriptor a start-up benchmark waits on, after the first exposure.
#include "app/startup/FirstPaintReport.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr const char* kDescriptorVariable = "VARNEX_PAINTED_FD";

int ReportDescriptor() {
    const char* text = std::getenv(kDescriptorVariable);
    if (!text) return -1;
    int descriptor = -1;
    const char* end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, descriptor);
    return error == std::errc{} && rest == end && descriptor > 2 ? descriptor : -1;
}

// An exposure is painted while it is handled, so the report waits for the next turn of the
// event loop, after the window's backing store has been flushed.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QObject* parent, int descriptor) : QObject(parent), descriptor_(descriptor) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        static constexpr char kLine[] = "painted\n";
        [[maybe_unused]] const auto written = write(descriptor_, kLine, sizeof kLine - 1);
        close(descriptor_);
        deleteLater();
    }

    int descriptor_;
};

} // namespace

void ReportFirstPaint(QWidget& window) {
    const int descriptor = ReportDescriptor();
    if (descriptor < 0) return;
    // The descriptor is the benchmark's; children the program starts must not inherit it.
    fcntl(descriptor, F_SETFD, FD_CLOEXEC);
    window.winId();
    window.windowHandle()->installEventFilter(new ExposeWatcher(&window, descriptor));
}

} // namespace varnex
