// How a second instance finds a first instance waiting in its open-files dialog and asks it to hand
// over.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace varnex {

// The socket lives in a folder of this user's that nobody else may write to (XDG_RUNTIME_DIR, a
// private folder under /tmp, or, when another user took that name, one in this user's cache
// folder), and both ends check that the other runs as this user, so no other user can find,
// trigger, switch off or pose as a waiting dialog.
QString HandoverSocketPath();

// Listens while a hand-over dialog is open; stands for the dialog's window marker.
class HandoverListener : public QObject {
    Q_OBJECT

public:
    explicit HandoverListener(QObject* parent = nullptr);
    ~HandoverListener() override;

    // False when another waiting instance already listens or the socket cannot be made.
    bool Listen();
    void Stop();

signals:
    void HandoverRequested();

private:
    void TakeConnection();

    QLocalServer* server_;
};

// Asks a waiting first instance to hand over; false when none is waiting.
bool RequestHandover(int timeoutMs = 1000);

} // namespace varnex
