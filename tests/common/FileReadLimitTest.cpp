// Tests that reading a file or device stops at the caller's byte limit instead of reading on.
#include "common/FileProbe.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
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

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// A buffer grown past the limit must not be zeroed beyond what is read: an endless device
// refused at 1.4 GB once touched the 2 GB its buffer had doubled to.
TEST(FileReadLimitTest, RoomPastTheLimitIsNeverTouched) {
    constexpr std::size_t kRoom = std::size_t{256} << 20;
    const int fd = open("/dev/zero", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ByteBuffer bytes;
    bytes.reserve(kRoom);
    const long before = MinorFaults();
    EXPECT_EQ(ReadToEnd(fd, bytes, 4096), EFBIG);
    // Touching the room would fault in every page of it: 128 huge pages, or 65536 small ones.
    EXPECT_LT(MinorFaults() - before, 32);
    close(fd);
}

} // namespace
} // namespace varnex
