// A file's encoding and line ends, and differences that lie only there.
#include "app/compare/FileFormat.h"

#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

Bytes Of(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

constexpr auto kCp = TextEncoding::Windows1252;
constexpr auto kUtf8 = TextEncoding::Utf8;

TEST(FileFormat, LineEndsAreNamedByTheirKind) {
    const struct {
        std::string text;
        LineEnds ends;
    } cases[] = {
        {"", LineEnds::None},          {"a\nb\n", LineEnds::Lf}, {"a\r\nb\r\n", LineEnds::CrLf},
        {"a\rb", LineEnds::Cr},        {"a\r", LineEnds::Cr},    {"a\r\nb\n", LineEnds::Mixed},
        {"a\rb\r\n", LineEnds::Mixed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LineEndsOf(Of(c.text)), c.ends) << c.text;
}

TEST(FileFormat, TheNoteNamesWhatIsNotUtf8OrAsciiWithLf) {
    const std::string mixed = LoadString(kStrMixedLineEnds);
    const struct {
        std::string text;
        TextEncoding encoding;
        std::string note;
    } cases[] = {
        {"ascii\n", kCp, ""},
        {"gr\xc3\xbc\xc3\x9f\n", kUtf8, ""},
        {"gr\xfc\xdf\n", kCp, "Windows-1252"},
        {"gr\xfc\xdf\r\n", kCp, "Windows-1252, CRLF"},
        {"gr\xc3\xbc\xc3\x9f\r\n", kUtf8, "UTF-8, CRLF"},
        {"ascii\r", kCp, "CR"},
        {"ascii\r\n", kUtf8, "CRLF"},
        {"a\r\nb\n", kCp, mixed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNote(Of(c.text), c.encoding), c.note) << c.text;
}

TEST(FileFormat, FilesThatDifferOnlyInLineEndsOrEncodingAreTold) {
    const struct {
        const char* what;
        std::string first;
        TextEncoding firstEncoding;
        std::string second;
        TextEncoding secondEncoding;
        HiddenDifference hidden;
    } cases[] = {
        {"CRLF and LF", "a\r\nb\r\n", kCp, "a\nb\n", kCp, HiddenDifference::LineEnds},
        {"CR and mixed", "a\rb\r", kCp, "a\r\nb\n", kCp, HiddenDifference::LineEnds},
        {"a missing last line end is text", "a\r\nb", kCp, "a\nb\n", kCp, HiddenDifference::None},
        {"other text", "a\r\nb\r\n", kCp, "a\nc\n", kCp, HiddenDifference::None},
        {"Windows-1252 and UTF-8", "gr\xfc\xdf\n", kCp, "gr\xc3\xbc\xc3\x9f\n", kUtf8,
         HiddenDifference::Encoding},
        {"a byte order mark", "\xef\xbb\xbfgr\xc3\xbc\n", kUtf8, "gr\xfc\n", kCp,
         HiddenDifference::Encoding},
        {"encoding and line ends", "gr\xfc\r\n", kCp, "gr\xc3\xbc\n", kUtf8,
         HiddenDifference::EncodingAndLineEnds},
        {"the same bytes shown alike", "x\n", kCp, "x\n", kCp, HiddenDifference::None},
        {"LF files that differ", "a\nb\n", kCp, "a\nc\n", kCp, HiddenDifference::None},
        {"a byte order mark between LF files", "\xef\xbb\xbfx\n", kUtf8, "x\n", kUtf8,
         HiddenDifference::Encoding},
        {"other characters in other encodings", "gr\xfc\n", kCp, "gr\xc3\xb6\n", kUtf8,
         HiddenDifference::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HiddenDifferenceOf(Of(c.first), c.firstEncoding, Of(c.second), c.secondEncoding),
                  c.hidden)
            << c.what;
    }
}

TEST(FileFormat, TheStatusBarNamesAHiddenDifferenceBeforeAnyVerdictOfTheRows) {
    EXPECT_EQ(PromptAfterCompare(true, HiddenDifference::None), kStrNoDifferences);
    EXPECT_EQ(PromptAfterCompare(false, HiddenDifference::None), kStrReady);
    EXPECT_EQ(PromptAfterCompare(false, HiddenDifference::LineEnds), kStrOnlyLineEndsDiffer);
    EXPECT_EQ(PromptAfterCompare(true, HiddenDifference::LineEnds), kStrOnlyLineEndsDiffer);
    EXPECT_EQ(PromptAfterCompare(false, HiddenDifference::Encoding), kStrOnlyEncodingDiffers);
    EXPECT_EQ(PromptAfterCompare(false, HiddenDifference::EncodingAndLineEnds),
              kStrOnlyEncodingAndLineEndsDiffer);
}

} // namespace
} // namespace varnex
