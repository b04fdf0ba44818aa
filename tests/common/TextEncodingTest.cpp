// Tests of the display encodings: detection, characters and their starts.
#include "common/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

TextEncoding Detect(const std::string& text) {
    return DetectEncoding(Bytes(text), text.size());
}

TEST(TextEncodingTest, DetectionWantsAByteOrderMarkOrValidMultiByteText) {
    EXPECT_EQ(Detect("\xEF\xBB\xBFplain"), TextEncoding::Utf8);
    EXPECT_EQ(Detect("\xEF\xBB\xBF"), TextEncoding::Utf8);
    EXPECT_EQ(Detect("a long line of plain ASCII text only\n"), TextEncoding::Windows1252);
    EXPECT_EQ(Detect(""), TextEncoding::Windows1252);
    EXPECT_EQ(Detect("0123456789abcdef \xD0\xB0\xD1\x82\xD0\xB0\xD0\xBA\n"), TextEncoding::Utf8);
    EXPECT_EQ(Detect("\xE6\x97\xA5\xE6\x9C\xAC"), TextEncoding::Utf8);
    EXPECT_EQ(Detect("\xF0\x9F\x98\x80"), TextEncoding::Utf8);
    // Windows-1252 umlauts, a stray continuation, an overlong slash, a surrogate, a cut end.
    EXPECT_EQ(Detect("Gr\xFC\xDF Gott \xD0\xB0"), TextEncoding::Windows1252);
    EXPECT_EQ(Detect("\xD0\xB0 \x80"), TextEncoding::Windows1252);
    EXPECT_EQ(Detect("\xC0\xAF"), TextEncoding::Windows1252);
    EXPECT_EQ(Detect("\xED\xA0\x80"), TextEncoding::Windows1252);
    EXPECT_EQ(Detect("\xF4\x90\x80\x80"), TextEncoding::Windows1252);
    EXPECT_EQ(Detect("abcdefgh\xE6\x97"), TextEncoding::Windows1252);
}

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

TEST(TextEncodingTest, DetectionForgivesARareStrayByteInUtf8Text) {
    const std::string umlauts = Repeated("Gr\xC3\xBC\xC3\x9F Gott, sch\xC3\xB6n\n", 200);
    const std::string kanji = Repeated("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\n", 200);
    const struct {
        const char* what;
        std::string text;
        TextEncoding expected;
    } cases[] = {
        {"200 lines with one stray byte at the end", umlauts + "\xFC", TextEncoding::Utf8},
        {"a shorter one with two",
         umlauts.substr(0, 400) + "\xFC" + umlauts.substr(0, 400) + "\xFC",
         TextEncoding::Windows1252},
        {"3600 non-ASCII bytes carry three stray ones",
         kanji + "\x80" + kanji + "\xFC " + kanji + "\xE4", TextEncoding::Utf8},
        {"... but not two side by side", kanji + "\xE4\xFC", TextEncoding::Windows1252},
        {"one sequence does not outweigh one stray byte", "\xC3\xA4 \xFC",
         TextEncoding::Windows1252},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Detect(c.text), c.expected) << c.what;
}

TEST(TextEncodingTest, CharactersAreWholeSequencesOrSingleWindows1252Bytes) {
    const std::string text = "a\xD0\xB0\xE6\x97\xA5\x80\xE6\x97";
    const int length = static_cast<int>(text.size());
    const auto at = [&](int index) {
        return CharAt(Bytes(text), length, index, TextEncoding::Utf8);
    };
    EXPECT_EQ(at(0).code, U'a');
    EXPECT_EQ(at(1).code, U'а');
    EXPECT_EQ(at(1).bytes, 2);
    EXPECT_EQ(at(3).code, U'日');
    EXPECT_EQ(at(3).bytes, 3);
    EXPECT_EQ(at(6).code, U'€'); // no sequence: the byte's Windows-1252 character
    EXPECT_EQ(at(7).bytes, 1);   // cut short at the end
    EXPECT_EQ(at(7).code, U'æ');
    EXPECT_EQ(CharAt(Bytes(text), length, 1, TextEncoding::Windows1252).code, U'Ð');

    const int starts[] = {0, 1, 1, 3, 3, 3, 6, 7, 8};
    for (int index = 0; index < length; ++index)
        EXPECT_EQ(CharStart(Bytes(text), length, index, TextEncoding::Utf8), starts[index])
            << index;
    EXPECT_EQ(CharStart(Bytes(text), length, 2, TextEncoding::Windows1252), 2);
}

TEST(TextEncodingTest, ChoiceResolvesPerText) {
    const std::string cyrillic = "\xD0\xB0";
    const std::string latin = "\xE4";
    EXPECT_EQ(ResolveEncoding(EncodingChoice::Automatic, Bytes(cyrillic), 2), TextEncoding::Utf8);
    EXPECT_EQ(ResolveEncoding(EncodingChoice::Automatic, Bytes(latin), 1),
              TextEncoding::Windows1252);
    EXPECT_EQ(ResolveEncoding(EncodingChoice::Windows1252, Bytes(cyrillic), 2),
              TextEncoding::Windows1252);
    EXPECT_EQ(ResolveEncoding(EncodingChoice::Utf8, Bytes(latin), 1), TextEncoding::Utf8);
}

} // namespace
} // namespace varnex
