// The file type key that chooses a syntax configuration.
#include "engine/load/FileTypeKey.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(FileTypeKey, ExtensionsAndBackupSuffixes) {
    EXPECT_EQ(FileTypeKey("/src/main.cpp"), ".cpp");
    EXPECT_EQ(FileTypeKey("main.cpp.keep"), ".cpp");
    EXPECT_EQ(FileTypeKey("main.cpp.12.save"), ".cpp");
    EXPECT_EQ(FileTypeKey("main.c.3.SAVE"), ".c");
    EXPECT_EQ(FileTypeKey("dir\\x.h.Keep"), ".h");
    // A backup suffix with nothing usable before it stays the key.
    EXPECT_EQ(FileTypeKey("/tmp/notes.keep"), ".keep");
    EXPECT_EQ(FileTypeKey("/tmp/7.save"), ".save");
}

TEST(FileTypeKey, NamesWithoutExtension) {
    EXPECT_EQ(FileTypeKey("/usr/src/Makefile"), "#Ma");
    EXPECT_EQ(FileTypeKey("a"), "#a");
    EXPECT_EQ(FileTypeKey("dir.d/"), "#");
}

TEST(FileTypeKey, LongExtensionsAreCut) {
    const std::string key = FileTypeKey("x." + std::string(40, 'e'));
    EXPECT_EQ(key.size(), kFileTypeKeyMaxLength);
    EXPECT_EQ(key[0], '.');
}

} // namespace
} // namespace varnex
