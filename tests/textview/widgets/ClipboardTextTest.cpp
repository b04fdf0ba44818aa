// Clipboard and drag text as a pane's bytes: line breaks, and characters the encoding lacks.
#include "textview/widgets/ClipboardText.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(ClipboardText, PastedTextBecomesThePanesBytes) {
    const QString text = QString::fromUtf8("a\u20AC\U0001F600\r\nb\rc\n") + QChar(0xD800);
    EXPECT_EQ(TextToBytes(text, TextEncoding::Windows1252), "a\x80?\nb\nc\n?")
        << "a surrogate pair is one character, so one '?'";
    EXPECT_EQ(TextToBytes(text, TextEncoding::Utf8),
              "a\xE2\x82\xAC\xF0\x9F\x98\x80\nb\nc\n\xEF\xBF\xBD")
        << "a lone surrogate has no sequence of its own";
    EXPECT_EQ(BytesToText("\x80\xED\xA0\x80\n", TextEncoding::Utf8),
              QString::fromUtf8("\u20AC\u00ED\u00A0\u20AC\n"))
        << "an encoded surrogate is three Windows-1252 characters";
}

} // namespace
} // namespace varnex
