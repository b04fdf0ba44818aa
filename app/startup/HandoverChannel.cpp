// How a second instance finds a first instance waiting in its open-files dialog and asks it to hand
// over.
#include "app/startup/HandoverChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr char kRequest[] = "handover\n";
constexpr const char* kSocketName = "varnex-handover";

// A folder others could write to could hold their socket under our name.
bool IsOwnFolderClosedToOthers(const QByteArray& path, mode_t othersMayNot) {
    struct stat info {};
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & othersMayNot) == 0;
}

// A fallback folder must be ours and closed to others, or it is not used.
bool IsPrivateFolder(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
    return IsOwnFolderClosedToOthers(path, 077);
}

// Another user can make /tmp's folder under our name first; nobody else can make one in our own
// cache folder. A home shared by several machines gets one folder per machine, since a socket
// connects only on the machine that made it.
QString CacheFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache)) return {};
    const QString real = QFileInfo(cache).canonicalFilePath();
    if (!IsOwnFolderClosedToOthers(QFile::encodeName(real), 022)) return {};
    const QString folder = real + "/varnex-" + QSysInfo::machineHostName();
    return IsPrivateFolder(folder) ? folder : QString();
}

// XDG_RUNTIME_DIR is taken only when it is ours and nobody else may write to it; else the
// folder of ours under /tmp, and when that is taken, one in our cache folder. Both instances
// run as this user and choose alike, so the second finds the first.
QString PrivateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsOwnFolderClosedToOthers(QFile::encodeName(runtime), 022))
        return runtime;
    const QString shared = QDir::tempPath() + QStringLiteral("/varnex-%1").arg(getuid());
    return IsPrivateFolder(shared) ? shared : CacheFolder();
}

// The other end of a hand-over connection must run as this user: the folder keeps strangers out
// of the name, and this keeps them out should a socket of theirs get there anyway.
bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                      &length) == 0 &&
           peer.uid == getuid();
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
        if (!PeerIsThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
    if (!socket.waitForConnected(timeoutMs) || !PeerIsThisUser(socket)) return false;
    socket.write(kRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace varnex
