// Finding a waiting instance through its private socket and asking it to hand over.
#include "app/startup/HandoverChannel.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace varnex {
namespace {

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

} // namespace
} // namespace varnex
