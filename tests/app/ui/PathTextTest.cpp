// Paths as text and back: every byte string survives, only the display shows U+FFFD.
#include "app/ui/PathText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace varnex {
namespace {

TEST(PathText, AnyBytesComeBackAsTheyWere) {
    std::mt19937 random(7);
    // Mostly UTF-8 pieces and ASCII, with stray and cut sequences between them.
    const std::string pieces[] = {"a",
                                  "/",
                                  " ",
                                  "\xc3\xa4",
                                  "\xe2\x82\xac",
                                  "\xf0\x9f\x98\x80",
                                  "\xe4",
                                  "\xc3",
                                  "\xed\xa0\x80",
                                  "\xc0\xaf",
                                  "\xff",
                                  "\x80",
                                  "\xf4\x90\x80\x80",
                                  "\xe2\x82"};
    for (int round = 0; round < 5000; ++round) {
        std::string path;
        const int count = static_cast<int>(random() % 12);
        for (int k = 0; k < count; ++k)
            path += pieces[random() % std::size(pieces)];
        ASSERT_EQ(PathBytes(PathText(path)), path) << round;
    }
}

TEST(PathText, ValidUtf8ReadsAsItsCharactersAndOtherBytesAsReplacementsOnScreen) {
    EXPECT_EQ(PathText("/tmp/f\xc3\xa4n.txt"), QString::fromUtf8("/tmp/fän.txt"));
    EXPECT_EQ(PathDisplayText("/tmp/m\xe4n.txt"), QString::fromUtf8("/tmp/m\xef\xbf\xbdn.txt"));
    EXPECT_EQ(PathDisplayText("\xed\xa0\x80"), QString(3, QChar(0xFFFD)))
        << "an encoded surrogate is three stray bytes";
    // Text typed by the user is UTF-8; a surrogate without its partner has no bytes of its own.
    EXPECT_EQ(PathBytes(QString::fromUtf8("€")), "\xe2\x82\xac");
    EXPECT_EQ(PathBytes(QString(QChar(0xD800))), "\xef\xbf\xbd");
}

} // namespace
} // namespace varnex
