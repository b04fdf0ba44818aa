// The style table and its id map, and the group sharing of PaneResources.
#include "textview/model/settings/StyleTable.h"
#include "textview/model/document/PaneModel.h"
#include "textview/model/settings/PaneResources.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(StyleTable, StartsWithStandardOnlyAndAddsMarkierungOnRequest) {
    StyleTable table;
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Get(0)->name, "Standard");
    EXPECT_EQ(table.Get(0)->id, 1);
    EXPECT_EQ(table.Get(0)->textColour, kWindowColour);
    EXPECT_EQ(table.Get(0)->background, kWindowColour);
    table.EnsureSelectionStyle();
    table.EnsureSelectionStyle();
    ASSERT_EQ(table.Count(), 2);
    const TextStyle& selection = *table.Get(1);
    EXPECT_EQ(selection.name, "Markierung");
    EXPECT_EQ(selection.id, 2);
    EXPECT_EQ(selection.textColour, 0xFFFFFFu);
    EXPECT_EQ(selection.background, 0xFF0000u);
}

TEST(StyleTable, UsedIdIsStoredAsZeroAndBit31ReusesTheExistingEntry) {
    StyleTable table;
    EXPECT_EQ(table.Add(0x11, 0x22, "first", 10, 0), 1);
    EXPECT_EQ(table.Add(0x33, 0x44, "again", 10, 0), 2);
    EXPECT_EQ(table.Get(2)->id, 0);
    EXPECT_EQ(table.Get(2)->name, "again");
    EXPECT_EQ(table.Add(0x55, 0x66, "reuse", 10 | StyleTable::kReuseExisting, 0), 1);
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Add(0x55, 0x66, "new", 11 | StyleTable::kReuseExisting, 0), 3);
    EXPECT_EQ(table.Get(3)->id, 11);
}

TEST(StyleTable, IdMapFollowsAddsAndKnowsOnlyRegisteredIds) {
    StyleTable table;
    EXPECT_EQ(table.IndexOfId(1), 0);
    EXPECT_FALSE(table.IndexOfId(40).has_value());
    table.Add(0, 0, "forty", 40, 0);
    EXPECT_EQ(table.IndexOfId(40), 1);
    EXPECT_FALSE(table.IndexOfId(256).has_value());
    EXPECT_FALSE(table.IndexOfId(-1).has_value());
}

TEST(StyleTable, MapReachesOnlyTheFirst255Styles) {
    StyleTable table;
    for (int id = 2; id <= 256; ++id)
        table.Add(0, 0, "s", static_cast<std::uint32_t>(id == 256 ? 0 : id), 0);
    ASSERT_EQ(table.Count(), 256);
    EXPECT_EQ(table.IndexOfId(255), 254);
    // Index 255 (id 0) cannot be kept as index + 1 in a byte.
    EXPECT_FALSE(table.IndexOfId(0).has_value());
}

TEST(PaneResources, PanesOfOneGroupShareStylesAndTheGroupEndsWithItsLastPane) {
    int firstSerial = 0;
    {
        PaneModel left(2048, 100, PaneModel::kPerCharacterStyles, "ShareTest");
        PaneModel right(2048, 100, PaneModel::kPerCharacterStyles, "ShareTest");
        PaneModel other(2048, 100, PaneModel::kPerCharacterStyles, "ShareTestOther");
        EXPECT_EQ(&left.Resources(), &right.Resources());
        EXPECT_NE(&left.Resources(), &other.Resources());
        EXPECT_EQ(left.Resources().Styles().Count(), 2); // Markierung added only once
        const int index = left.AddStyle(0x0000FF, 0x00FF00, "shared", 77, 1);
        const TextStyle* seen = right.GetStyle(index);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->name, "shared");
        EXPECT_EQ(seen->fontFlags, 1u);
        firstSerial = left.Resources().Serial();
    }
    PaneModel later(2048, 100, 0, "ShareTest");
    EXPECT_NE(later.Resources().Serial(), firstSerial);
    EXPECT_EQ(later.Resources().Styles().Count(), 2);
}

TEST(PaneModel, GetStyleFailsOutsideTheTable) {
    PaneModel pane(2048, 100, 0, "GetStyleTest");
    EXPECT_EQ(pane.GetStyle(-1), nullptr);
    EXPECT_EQ(pane.GetStyle(2), nullptr);
    ASSERT_NE(pane.GetStyle(1), nullptr);
    EXPECT_EQ(pane.GetStyle(1)->background, 0xFF0000u);
}

} // namespace
} // namespace varnex
