// The edge cases of the Unicode unit in one table: UTF-8 decoded strictly and leniently, UTF-16
// units, the UTF-8 encoder and the narrowing to Windows-1252 bytes.
#include "common/Unicode.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

namespace varnex {
namespace {

enum class Form {
    Utf8,      // `bytes` is the input
    Utf16,     // `units` is the input
    CodePoint, // `code` is the input
};

struct Case {
    std::string name{};
    Form form = Form::Utf8;
    std::string bytes{};      // Utf8: the text
    std::u16string units{};   // Utf16: the text
    char32_t code = 0;        // the first character (strict), or the input code point
    int taken = 0;            // the bytes or units it takes; 0: no valid sequence starts there
    char32_t lenientCode = 0; // Utf8: the first character decoded leniently
    std::string narrowed{};   // Utf8: narrowed strictly; Utf16: narrowed; CodePoint: its byte
    std::string narrowedLeniently{}; // Utf8: narrowed leniently
    std::string encoded{};           // Utf16, CodePoint: what AppendUtf8 writes for `code`
};

Case Utf8(std::string name, std::string bytes, char32_t code, int taken, char32_t lenientCode,
          std::string narrowed, std::string narrowedLeniently) {
    return {.name = std::move(name),
            .form = Form::Utf8,
            .bytes = std::move(bytes),
            .code = code,
            .taken = taken,
            .lenientCode = lenientCode,
            .narrowed = std::move(narrowed),
            .narrowedLeniently = std::move(narrowedLeniently)};
}

// Invalid UTF-8: strict finds no character, lenient takes the first byte as `lenientCode`.
Case BadUtf8(std::string name, std::string bytes, char32_t lenientCode, std::string narrowed,
             std::string narrowedLeniently) {
    return Utf8(std::move(name), std::move(bytes), 0, 0, lenientCode, std::move(narrowed),
                std::move(narrowedLeniently));
}

Case Utf16(std::string name, std::u16string units, char32_t code, int taken, std::string narrowed,
           std::string encoded) {
    return {.name = std::move(name),
            .form = Form::Utf16,
            .units = std::move(units),
            .code = code,
            .taken = taken,
            .narrowed = std::move(narrowed),
            .encoded = std::move(encoded)};
}

Case CodePoint(std::string name, char32_t code, std::string narrowed, std::string encoded) {
    return {.name = std::move(name),
            .form = Form::CodePoint,
            .code = code,
            .narrowed = std::move(narrowed),
            .encoded = std::move(encoded)};
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const std::string kFffd = "\xEF\xBF\xBD"; // U+FFFD

const Case kCases[] = {
    // Valid UTF-8: name, bytes, first character (code, bytes), lenient code, narrowed strictly
    // and leniently.
    Utf8("Ascii", "A", U'A', 1, U'A', "A", "A"),
    Utf8("TwoBytesLatin1", "\xC3\xA9", 0xE9, 2, 0xE9, "\xE9", "\xE9"),
    Utf8("EuroSignTo0x80", "\xE2\x82\xAC", 0x20AC, 3, 0x20AC, "\x80", "\x80"),
    Utf8("OeLigatureTo0x9C", "\xC5\x93", 0x153, 2, 0x153, "\x9C", "\x9C"),
    Utf8("C1ControlNotInWindows1252", "\xC2\x80", 0x80, 2, 0x80, "?", "?"),
    Utf8("C1ControlOfAnUnassignedByte", "\xC2\x81", 0x81, 2, 0x81, "\x81", "\x81"),
    Utf8("CjkDoesNotFit", "\xE4\xB8\xAD!", 0x4E2D, 3, 0x4E2D, "?!", "?!"),
    Utf8("SmallestThreeBytes", "\xE0\xA0\x80", 0x800, 3, 0x800, "?", "?"),
    Utf8("LastBeforeSurrogates", "\xED\x9F\xBF", 0xD7FF, 3, 0xD7FF, "?", "?"),
    Utf8("FirstAfterSurrogates", "\xEE\x80\x80", 0xE000, 3, 0xE000, "?", "?"),
    Utf8("SmallestFourBytes", "\xF0\x90\x80\x80", 0x10000, 4, 0x10000, "?", "?"),
    Utf8("FourBytesMaximum", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4, 0x10FFFF, "?", "?"),
    Utf8("Windows1252TextIsNoUtf8", "Gr\xFC\xDF", U'G', 1, U'G', "Gr??", "Gr\xFC\xDF"),

    // Invalid UTF-8: name, bytes, lenient code, narrowed strictly and leniently. Each byte that
    // starts no sequence is one character on its own, so lenient narrowing gives the bytes back.
    BadUtf8("PastTheMaximum", "\xF4\x90\x80\x80", 0xF4, "????", "\xF4\x90\x80\x80"),
    BadUtf8("LeadByteOnlyPastTheMaximum", "\xF5\x80\x80\x80", 0xF5, "????", "\xF5\x80\x80\x80"),
    BadUtf8("EncodedHighSurrogate", "\xED\xA0\x80", 0xED, "???", "\xED\xA0\x80"),
    BadUtf8("EncodedLowSurrogate", "\xED\xBF\xBF", 0xED, "???", "\xED\xBF\xBF"),
    BadUtf8("EncodedSurrogatePair", "\xED\xA0\xBD\xED\xB8\x80", 0xED, "??????",
            "\xED\xA0\xBD\xED\xB8\x80"),
    BadUtf8("OverlongTwoBytes", "\xC0\xAF", 0xC0, "??", "\xC0\xAF"),
    BadUtf8("OverlongThreeBytes", "\xE0\x80\xAF", 0xE0, "???", "\xE0\x80\xAF"),
    BadUtf8("OverlongFourBytes", "\xF0\x80\x80\xAF", 0xF0, "????", "\xF0\x80\x80\xAF"),
    BadUtf8("StrayContinuationIsTheEuroSign", "\x80", 0x20AC, "?", "\x80"),
    BadUtf8("StrayContinuationsAroundASequence", "\xBF\xC3\xA9\xBF", 0xBF, "?\xE9?",
            "\xBF\xE9\xBF"),
    BadUtf8("TruncatedTwoOfThree", "\xE2\x82", 0xE2, "??", "\xE2\x82"),
    BadUtf8("TruncatedThreeOfFour", "\xF0\x9F\x98", 0xF0, "???", "\xF0\x9F\x98"),
    BadUtf8("CutByANonContinuation", "\xC3(", 0xC3, "?(", "\xC3("),

    // UTF-16: name, units, first character (code, units), narrowed, AppendUtf8 of the code. A
    // pair is one character and narrows to one byte; a lone surrogate is itself.
    Utf16("Utf16Latin1", u"\u00E9", 0xE9, 1, "\xE9", "\xC3\xA9"),
    Utf16("Utf16EuroSign", u"\u20AC", 0x20AC, 1, "\x80", "\xE2\x82\xAC"),
    Utf16("Utf16PairIsOneCharacter", u"\U0001F600z", 0x1F600, 2, "?z", "\xF0\x9F\x98\x80"),
    Utf16("Utf16LoneHighSurrogate", {0xD83D, u'a'}, 0xD83D, 1, "?a", kFffd),
    Utf16("Utf16HighSurrogateAtTheEnd", {0xDBFF}, 0xDBFF, 1, "?", kFffd),
    Utf16("Utf16LoneLowSurrogate", {0xDC00}, 0xDC00, 1, "?", kFffd),
    Utf16("Utf16PairReversed", {0xDE00, 0xD83D}, 0xDE00, 1, "??", kFffd),

    // Code points no text above yields: name, code, narrowed, AppendUtf8 of it.
    CodePoint("CodePointPastTheMaximum", 0x110000, "?", kFffd),
    CodePoint("CodePointNoBreakSpace", 0xA0, "\xA0", "\xC2\xA0"),
};

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

std::string Utf16Le(const std::u16string& units) {
    std::string bytes;
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string Encoded(char32_t code) {
    std::string out;
    AppendUtf8(out, code);
    return out;
}

class UnicodeTest : public testing::TestWithParam<Case> {};

TEST_P(UnicodeTest, DecodesEncodesAndNarrowsAsTheTableSays) {
    const Case& c = GetParam();
    switch (c.form) {
    case Form::Utf8: {
        const int length = static_cast<int>(c.bytes.size());
        const EncodedChar strict = DecodeUtf8(Bytes(c.bytes), length, 0, Utf8Decoding::Strict);
        EXPECT_EQ(strict.code, c.code);
        EXPECT_EQ(strict.bytes, c.taken);
        const EncodedChar lenient = DecodeUtf8(Bytes(c.bytes), length, 0, Utf8Decoding::Lenient);
        EXPECT_EQ(lenient.code, c.lenientCode);
        EXPECT_EQ(lenient.bytes, c.taken > 0 ? c.taken : 1);
        if (c.taken > 0) {
            EXPECT_EQ(Encoded(c.code), c.bytes.substr(0, c.taken)) << "round trip";
        }
        std::string narrowed;
        NarrowUtf8(narrowed, c.bytes, Utf8Decoding::Strict);
        EXPECT_EQ(narrowed, c.narrowed) << "strict";
        narrowed.clear();
        NarrowUtf8(narrowed, c.bytes, Utf8Decoding::Lenient);
        EXPECT_EQ(narrowed, c.narrowedLeniently) << "lenient";
        break;
    }
    case Form::Utf16: {
        const Utf16Char character =
            DecodeUtf16(c.units.data(), static_cast<int>(c.units.size()), 0);
        EXPECT_EQ(character.code, c.code);
        EXPECT_EQ(character.units, c.taken);
        EXPECT_EQ(IsSurrogate(character.code), c.encoded == kFffd);
        EXPECT_EQ(Encoded(character.code), c.encoded);
        std::string narrowed;
        NarrowUtf16Le(narrowed, Utf16Le(c.units));
        EXPECT_EQ(narrowed, c.narrowed);
        narrowed.clear();
        NarrowUtf16Le(narrowed, Utf16Le(c.units) + "\x41");
        EXPECT_EQ(narrowed, c.narrowed) << "an odd last byte is left out";
        break;
    }
    case Form::CodePoint:
        EXPECT_EQ(std::string(1, static_cast<char>(NarrowToWindows1252(c.code))), c.narrowed);
        EXPECT_EQ(Encoded(c.code), c.encoded);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, UnicodeTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace varnex
