// The view's display encoding: chosen per file automatically or for both by the user, stored,
// applied at once, and a character of bytes of different kinds shown as changed.
#include "tests/app/compare/ViewTestSupport.h"

#include "res/CommandId.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::CellBackground;
using test::Rgb;
using test::ShownView;
using test::WindowBackground;

const std::string kCyrillic = "\xD0\xB0\xD1\x82\xD0\xB0\xD0\xBA\xD0\xB0\n"; // "атака"
const std::string kLatin1 = "Gr\xFC\xDF\n";                                 // "Grüß"

TEST(CompareEncoding, AutomaticallyEachPaneShowsItsFileAsItLooks) {
    ShownView shown;
    ASSERT_EQ(shown.Compare(kCyrillic, kLatin1), LoadResult::Ok);
    EXPECT_EQ(shown.Pane(Side::Left).Encoding(), TextEncoding::Utf8);
    EXPECT_EQ(shown.Pane(Side::Right).Encoding(), TextEncoding::Windows1252);
    CommandState state;
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdEncodingAutomatic, state));
    EXPECT_TRUE(state.checked);
}

TEST(CompareEncoding, AChoiceAppliesToBothPanesAtOnceAndIsStored) {
    ShownView shown;
    ASSERT_EQ(shown.Compare(kCyrillic, kLatin1), LoadResult::Ok);
    ASSERT_TRUE(shown.view->OnCommand(kCmdEncodingUtf8));
    for (const Side side : kBothSides)
        EXPECT_EQ(shown.Pane(side).Encoding(), TextEncoding::Utf8);
    EXPECT_EQ(ReadEncodingChoice(), EncodingChoice::Utf8);
    // The caret's columns follow: five Cyrillic letters are five columns, not ten.
    EXPECT_EQ(shown.Pane(Side::Left).Model().WidestLine(), 5);

    ASSERT_TRUE(shown.view->OnCommand(kCmdEncodingWindows1252));
    for (const Side side : kBothSides)
        EXPECT_EQ(shown.Pane(side).Encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(ReadEncodingChoice(), EncodingChoice::Windows1252);

    // A new view starts with the stored choice.
    auto next = std::make_unique<CVarnexView>();
    CommandState state;
    ASSERT_TRUE(next->OnUpdateCommand(kCmdEncodingWindows1252, state));
    EXPECT_TRUE(state.checked);
    ASSERT_TRUE(next->OnUpdateCommand(kCmdEncodingAutomatic, state));
    EXPECT_FALSE(state.checked);
}

TEST(CompareEncoding, ACharacterWhoseBytesDifferInKindIsShownChanged) {
    ShownView shown;
    shown.view->SetCompareMode(CompareMode::CharWise);
    // "xé" and "xè" share the first byte of the accented letter and differ in the second.
    ASSERT_EQ(shown.Compare("abc x\xC3\xA9 def\n", "abc x\xC3\xA8 def\n"), LoadResult::Ok);
    for (const Side side : kBothSides) {
        ASSERT_EQ(shown.Pane(side).Encoding(), TextEncoding::Utf8);
        EXPECT_EQ(CellBackground(shown.Pane(side), 4, 0), WindowBackground(shown.Pane(side)));
        EXPECT_EQ(CellBackground(shown.Pane(side), 5, 0), Rgb(kChangedBackground));
        EXPECT_EQ(CellBackground(shown.Pane(side), 7, 0), WindowBackground(shown.Pane(side)));
    }
}

} // namespace
} // namespace varnex
