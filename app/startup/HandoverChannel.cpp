// How a second instance finds a first instance waiting in its open-files dialog and asks it to hand
// over.
#include "app/startup/HandoverChannel.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr char kRequest[] = "handover\n";
constexpr const char* kSocketName = "varnex-handover";

// A fallback folder under /tmp must be ours and closed to others, or it is not used.
bool IsPrivateFolder(const QString& folder) {
    struct stat info {};
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

QString PrivateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) return runtime;
    const QString fallback = QDir::tempPath() + QStringLiteral("/varnex-%1").arg(getuid());
    return IsPrivateFolder(fallback) ? fallback : QString();
}

bool SomeoneListens(const QString& path) {
    QLocalSocket probe;
    probe.connectToServer(path);
    return probe.waitForConnected(200);
}

} // namespace

QString HandoverSocketPath() {
    const QString folder = PrivateFolder();
    return folder.isEmpty() ? QString() : folder + "/" + kSocketName;
}

HandoverListener::HandoverListener(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &HandoverListener::TakeConnection);
}

HandoverListener::~HandoverListener() {
    Stop();
}

bool HandoverListener::Listen() {
    const QString path = HandoverSocketPath();
    if (path.isEmpty() || SomeoneListens(path)) return false;
    // A socket file left by a crashed instance would block the name.
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

void HandoverListener::Stop() {
    if (server_->isListening()) server_->close();
}

void HandoverListener::TakeConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const bool isRequest = socket->readLine() == kRequest;
            socket->disconnectFromServer();
            if (isRequest) emit HandoverRequested();
        });
    }
}

bool RequestHandover(int timeoutMs) {
    const QString path = HandoverSocketPath();
    if (path.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace varnex
