// Finding a waiting instance through its private socket and asking it to hand over.
#include "app/startup/HandoverChannel.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnex {
namespace {

constexpr uid_t kNobody = 65534;

// In a forked child: listens on `path` as user nobody, reports on `ready`, accepts and waits.
[[noreturn]] void ListenAsNobody(const std::string& path, int ready) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0 ||
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        chmod(path.c_str(), 0777) != 0 || listen(fd, 1) != 0)
        _exit(1);
    const char signal = 'r';
    if (write(ready, &signal, 1) != 1) _exit(1);
    for (;;) {
        const int connection = accept(fd, nullptr, nullptr);
        if (connection >= 0) pause();
    }
}

class HandoverChannelTest : public testing::Test {
protected:
    void SetUp() override {
        const auto folder = test::ScratchFolder() / "runtime";
        std::filesystem::create_directories(folder);
        runtime_.emplace("XDG_RUNTIME_DIR", folder.c_str());
    }

    std::optional<test::ScopedVariable> runtime_;
};

TEST_F(HandoverChannelTest, NobodyWaitingMeansNoHandover) {
    EXPECT_FALSE(RequestHandover(200));
}

TEST_F(HandoverChannelTest, WaitingListenerHearsTheRequest) {
    HandoverListener listener;
    ASSERT_TRUE(listener.Listen());
    QSignalSpy requested(&listener, &HandoverListener::HandoverRequested);
    EXPECT_TRUE(RequestHandover());
    EXPECT_TRUE(requested.wait(2000));
    EXPECT_EQ(requested.count(), 1);
}

TEST_F(HandoverChannelTest, SecondListenerIsRefusedWhileTheFirstWaits) {
    HandoverListener first, second;
    ASSERT_TRUE(first.Listen());
    EXPECT_FALSE(second.Listen());
    first.Stop();
    EXPECT_FALSE(RequestHandover(200)) << "a closed dialog is not found";
    EXPECT_TRUE(second.Listen());
}

TEST_F(HandoverChannelTest, StaleSocketOfACrashedInstanceDoesNotBlock) {
    // Leave a bound socket file behind with nobody listening, as a killed process would.
    const QByteArray path = QFile::encodeName(HandoverSocketPath());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.constData());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));

    HandoverListener listener;
    EXPECT_TRUE(listener.Listen());
}

TEST_F(HandoverChannelTest, OtherTrafficIsNotARequest) {
    HandoverListener listener;
    ASSERT_TRUE(listener.Listen());
    QSignalSpy requested(&listener, &HandoverListener::HandoverRequested);
    QLocalSocket stranger;
    stranger.connectToServer(HandoverSocketPath());
    ASSERT_TRUE(stranger.waitForConnected(1000));
    stranger.write("hello\n");
    stranger.waitForBytesWritten(1000);
    EXPECT_FALSE(requested.wait(300));
}

TEST_F(HandoverChannelTest, ARuntimeFolderOthersMayWriteToIsNotUsed) {
    const auto open = test::ScratchFolder() / "open-runtime";
    std::filesystem::create_directories(open);
    ASSERT_EQ(chmod(open.c_str(), 0777), 0);
    test::ScopedVariable runtime("XDG_RUNTIME_DIR", open.c_str());
    EXPECT_FALSE(HandoverSocketPath().startsWith(QString::fromStdString(open.string())));
    EXPECT_FALSE(HandoverSocketPath().isEmpty()) << "the private folder under /tmp stands in";

    if (geteuid() != 0) return;
    ASSERT_EQ(chmod(open.c_str(), 0700), 0);
    ASSERT_EQ(chown(open.c_str(), kNobody, kNobody), 0);
    EXPECT_FALSE(HandoverSocketPath().startsWith(QString::fromStdString(open.string())))
        << "a folder of another user is not ours";
}

// Without a usable runtime folder, a folder under the temporary folder another user made first
// (or one we cannot trust) must not switch the hand-over off: a folder in the cache stands in.
TEST_F(HandoverChannelTest, ATakenTemporaryFolderDoesNotSwitchTheHandoverOff) {
    const auto temp = test::ScratchFolder() / "shared-tmp";
    const auto cache = test::ScratchFolder() / "cache";
    test::ScopedVariable noRuntime("XDG_RUNTIME_DIR", nullptr);
    test::ScopedVariable tmpdir("TMPDIR", temp.c_str());
    test::ScopedVariable cacheHome("XDG_CACHE_HOME", cache.c_str());
    const auto taken = temp / ("varnex-" + std::to_string(getuid()));
    const auto elsewhere = test::ScratchFolder() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    ASSERT_EQ(chmod(elsewhere.c_str(), 0700), 0);

    struct Case {
        const char* what;
        bool needsRoot;
        std::function<bool()> take;
    };
    const Case cases[] = {
        {"open to others", false,
         [&] { return mkdir(taken.c_str(), 0700) == 0 && chmod(taken.c_str(), 0777) == 0; }},
        {"a link", false, [&] { return symlink(elsewhere.c_str(), taken.c_str()) == 0; }},
        {"a file", false,
         [&] {
             const int fd = creat(taken.c_str(), 0600);
             return fd >= 0 && close(fd) == 0;
         }},
        {"another user's", true,
         [&] {
             return mkdir(taken.c_str(), 0700) == 0 && chown(taken.c_str(), kNobody, kNobody) == 0;
         }},
    };
    for (const Case& taking : cases) {
        if (taking.needsRoot && geteuid() != 0) continue;
        std::filesystem::remove_all(temp);
        std::filesystem::create_directories(temp);
        ASSERT_TRUE(taking.take()) << taking.what;
        EXPECT_TRUE(HandoverSocketPath().startsWith(QString::fromStdString(cache.string())))
            << taking.what << ": " << HandoverSocketPath().toStdString();
        HandoverListener listener;
        ASSERT_TRUE(listener.Listen()) << taking.what;
        QSignalSpy requested(&listener, &HandoverListener::HandoverRequested);
        EXPECT_TRUE(RequestHandover()) << taking.what;
        EXPECT_TRUE(requested.wait(2000)) << taking.what;
    }
    std::filesystem::remove_all(temp);
}

// A listener of another user whose socket got under our name (root can put it there) must not
// be asked: it could answer in the waiting dialog's place.
TEST_F(HandoverChannelTest, AListenerOfAnotherUserIsNotAskedToHandOver) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can listen as another user";
    // The test's scratch folder is closed to nobody; the stranger binds in a folder of its own.
    std::string shared =
        (std::filesystem::temp_directory_path() / "varnex-stranger-XXXXXX").string();
    ASSERT_NE(mkdtemp(shared.data()), nullptr);
    ASSERT_EQ(chmod(shared.c_str(), 0777), 0);
    const std::string foreign = shared + "/foreign";
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) ListenAsNobody(foreign, ready[1]);
    close(ready[1]);
    char heard = 0;
    ASSERT_EQ(read(ready[0], &heard, 1), 1) << "the stranger's socket is ready";
    const QByteArray ours = QFile::encodeName(HandoverSocketPath());
    ASSERT_EQ(std::rename(foreign.c_str(), ours.constData()), 0);

    EXPECT_FALSE(RequestHandover(500));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    std::filesystem::remove_all(shared);
}

} // namespace
} // namespace varnex
