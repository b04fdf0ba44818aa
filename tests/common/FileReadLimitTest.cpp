// Tests that reading a file or device stops at the caller's byte limit instead of reading on.
#include "common/FileProbe.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace varnex {
namespace {

std::string WriteScratchFile(const std::string& text) {
    char path[] = "/tmp/varnex-readlimit-XXXXXX";
    const int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(fd);
    return path;
}

TEST(FileReadLimitTest, FileAtTheLimitIsReadAndOneByteMoreIsRefused) {
    const std::string path = WriteScratchFile("0123456789");
    ByteBuffer bytes;
    EXPECT_EQ(ReadWholeFile(path, bytes, 10), ReadOutcome::Read);
    EXPECT_EQ(bytes.size(), 10u);
    EXPECT_EQ(ReadWholeFile(path, bytes, 9), ReadOutcome::TooLarge);
    EXPECT_TRUE(bytes.empty());
    std::remove(path.c_str());
}

TEST(FileReadLimitTest, EndlessDeviceStopsOneBytePastTheLimit) {
    const int fd = open("/dev/zero", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ByteBuffer bytes;
    EXPECT_EQ(ReadToEnd(fd, bytes, 100000), EFBIG);
    EXPECT_EQ(bytes.size(), 100001u);
    close(fd);
    EXPECT_EQ(ReadWholeFile("/dev/zero", bytes, 4096), ReadOutcome::TooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(ReadWholeFile("/dev/zero", bytes, 4096, FileKinds::RegularOnly),
              ReadOutcome::NotRegularFile);
}

} // namespace
} // namespace varnex
