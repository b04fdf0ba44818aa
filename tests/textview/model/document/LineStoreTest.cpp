// Line records and the line table: measures, inline text and the capacity rule.
#include "textview/model/document/LineArena.h"
#include "textview/model/document/LineTable.h"
#include "textview/model/document/TextLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace varnex {
namespace {

TextLinePtr MakeLine(const std::string& text, int tabWidth = 4) {
    return TextLine::Make(reinterpret_cast<const std::uint8_t*>(text.data()),
                          static_cast<int>(text.size()), tabWidth, TextEncoding::Windows1252);
}

TEST(TextLine, MeasuresIndentAndWidthWithTabsExpanded) {
    const TextLinePtr line = MakeLine("\t  ab\tc");
    EXPECT_EQ(line->Length(), 7);
    EXPECT_EQ(line->Indent(), 6);
    EXPECT_EQ(line->Width(), 13);
    EXPECT_EQ(line->Text()[line->Length()], 0);
}

TEST(TextLine, BlankAndTabOnlyLineHasIndentEqualToWidth) {
    const TextLinePtr tabs = MakeLine("\t\t");
    EXPECT_EQ(tabs->Indent(), 8);
    EXPECT_EQ(tabs->Width(), 8);
    const TextLinePtr mixed = MakeLine(" \t ", 8);
    EXPECT_EQ(mixed->Indent(), 9);
    EXPECT_EQ(mixed->Width(), 9);
    const TextLinePtr empty = MakeLine("");
    EXPECT_EQ(empty->Indent(), 0);
    EXPECT_EQ(empty->Width(), 0);
}

TEST(TextLine, WidthBeyondSixteenBitsSaturatesInsteadOfWrapping) {
    const TextLinePtr line = MakeLine(std::string(2048, '\t'), 32);
    EXPECT_EQ(line->Width(), TextLine::kMaxField);
    EXPECT_EQ(line->Indent(), TextLine::kMaxField);
}

TEST(TextLine, StartsWithoutStylesAndZeroState) {
    TextLinePtr line = MakeLine("abc");
    EXPECT_EQ(line->Styles(), nullptr);
    EXPECT_EQ(line->hostWord, 0u);
    EXPECT_EQ(line->scanA, 0);
    EXPECT_EQ(line->scanB, 0);
    line->EnsureStyles()[2] = 7;
    EXPECT_EQ(line->Styles()[0], 0);
    EXPECT_EQ(line->Styles()[2], 7);
}

TextLinePtr MakeArenaLine(const std::string& text, LineArena& arena) {
    return TextLine::Make(reinterpret_cast<const std::uint8_t*>(text.data()),
                          static_cast<int>(text.size()), 4, TextEncoding::Windows1252, arena);
}

// The text of line n: lengths vary from empty to far beyond one arena block.
std::string NumberedText(int n) {
    if (n % 1000 == 999) return std::string(70000, static_cast<char>('A' + n % 26));
    return std::string(static_cast<std::size_t>(n % 53), static_cast<char>('a' + n % 26)) +
           std::to_string(n);
}

std::string TextOf(const TextLine& line) {
    return std::string(reinterpret_cast<const char*>(line.Text()),
                       static_cast<std::size_t>(line.Length()));
}

// Records made in the table's arena must neither overlap nor outlive a clear: filling, styling
// and clearing twice checks every text and every style byte.
TEST(LineArena, FilledAndStyledLinesKeepTheirBytesUntilTheTableIsCleared) {
    LineTable table;
    for (int round = 0; round < 2; ++round) {
        constexpr int kLines = 5000;
        for (int n = 0; n < kLines; ++n) {
            table.Insert(n, MakeArenaLine(NumberedText(n), table.Arena()));
            TextLine& line = table.At(n);
            std::uint8_t* styles = line.EnsureStyles();
            for (int i = 0; i < line.Length(); ++i)
                ASSERT_EQ(styles[i], 0) << "line " << n << " byte " << i;
            std::fill_n(styles, line.Length(), static_cast<std::uint8_t>(n + round));
        }
        for (int n = 0; n < kLines; ++n) {
            const TextLine& line = table.At(n);
            const std::string expected = NumberedText(n).substr(0, TextLine::kMaxField);
            ASSERT_EQ(TextOf(line), expected) << "line " << n;
            ASSERT_EQ(line.Text()[line.Length()], 0) << "line " << n;
            for (int i = 0; i < line.Length(); ++i)
                ASSERT_EQ(line.Styles()[i], static_cast<std::uint8_t>(n + round)) << n;
        }
        table.Clear();
    }
}

TEST(LineArena, AnArenaLineDroppingItsStylesGetsZeroedOnesBackAndAnEmptyLineHasOne) {
    LineArena arena;
    TextLinePtr line = MakeArenaLine("abc", arena);
    EXPECT_EQ(line->Styles(), nullptr);
    std::fill_n(line->EnsureStyles(), 3, 7);
    line->DropStyles();
    EXPECT_EQ(line->Styles(), nullptr);
    const std::uint8_t* again = line->EnsureStyles();
    EXPECT_EQ(std::string(again, again + 3), std::string(3, '\0'));

    TextLinePtr empty = MakeArenaLine("", arena);
    empty->EnsureStyles()[0] = 5;
    EXPECT_EQ(empty->Styles()[0], 5);
    EXPECT_EQ(TextOf(*line), "abc");
    line.reset();
    empty.reset();
    arena.Release();
}

TEST(LineTable, InsertsAtClippedPositionsInOrder) {
    LineTable table;
    table.Insert(0, MakeLine("b"));
    table.Insert(0, MakeLine("a"));
    table.Insert(99, MakeLine("d"));
    table.Insert(2, MakeLine("c"));
    ASSERT_EQ(table.Count(), 4);
    std::string order;
    for (int i = 0; i < table.Count(); ++i)
        order += static_cast<char>(table.At(i).Text()[0]);
    EXPECT_EQ(order, "abcd");
    const TextLinePtr old = table.Replace(1, MakeLine("x"));
    EXPECT_EQ(old->Text()[0], 'b');
    EXPECT_EQ(table.At(1).Text()[0], 'x');
}

TEST(LineTable, SmallTableShrinksFromInitialCapacityAndSettles) {
    LineTable table;
    EXPECT_EQ(table.Capacity(), LineTable::kInitialCapacity);
    table.Insert(0, MakeLine("1"));
    EXPECT_EQ(table.Capacity(), 768); // 512 / 2 + 512
    for (int i = 0; i < 20; ++i)
        table.Insert(table.Count(), MakeLine("x"));
    // Halving in whole numbers reaches the fixed point 1023 from below.
    EXPECT_EQ(table.Capacity(), 1023);
}

TEST(LineTable, GrowsWhenFullAndSettlesAt1024AfterClearingALargeTable) {
    LineTable table;
    for (int i = 0; i < 1100; ++i)
        table.Insert(table.Count(), MakeLine("x"));
    EXPECT_EQ(table.Capacity(), 2046); // 1023 * 3 / 2 + 512 when the 1024th line came
    EXPECT_EQ(table.Count(), 1100);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Capacity(), 1535); // 2046 / 2 + 512
    for (int i = 0; i < 20; ++i)
        table.Insert(table.Count(), MakeLine("x"));
    EXPECT_EQ(table.Capacity(), 1024);
}

TEST(LineTable, LargeTablesDoNotShrinkBelowHalf) {
    LineTable table;
    for (int i = 0; i < 5000; ++i)
        table.Insert(table.Count(), MakeLine("x"));
    const int capacity = table.Capacity();
    EXPECT_GE(capacity, 5000);
    table.Insert(0, MakeLine("y"));
    EXPECT_EQ(table.Capacity(), capacity);
}

} // namespace
} // namespace varnex
