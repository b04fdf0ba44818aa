// Tests that the console tool's inputs stop at the size limit instead of being read on.
#include "cli/InputReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace varnex {
namespace {

TEST(InputReaderTest, InputsPastTheLimitAreRefusedWithoutReadingOn) {
    ByteBuffer bytes;
    EXPECT_EQ(ReadInput("/dev/zero", bytes, {4096}), ReadOutcome::TooLarge);

    char path[] = "/tmp/varnex-input-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "0123456789", 10), 10);
    close(fd);
    EXPECT_EQ(ReadInput(path, bytes, {10}), ReadOutcome::Read);
    EXPECT_EQ(bytes.size(), 10u);
    EXPECT_EQ(ReadInput(path, bytes, {9}), ReadOutcome::TooLarge);
    std::remove(path);
}

} // namespace
} // namespace varnex
