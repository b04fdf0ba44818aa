// What the compare panes say about a row: margin labels, the marker and the status text.
#include "app/compare/CaretStatus.h"
#include "app/doublepane/MarginLabel.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

// Rows: 0 shows lines 1|1, 1 a removed line 2|placeholder, 2 lines 3|2.
AlignedRows ThreeRows() {
    AlignedRows rows;
    rows.SetLine(Side::Left, 0, 1);
    rows.SetLine(Side::Right, 0, 1);
    rows.SetLine(Side::Left, 1, 2);
    rows.SetKind(1, RowKind::Removed);
    rows.SetLine(Side::Left, 2, 3);
    rows.SetLine(Side::Right, 2, 2);
    rows.SetCount(3);
    return rows;
}

TEST(MarginLabel, FileLineNumbersBlanksAndTheMarker) {
    const AlignedRows rows = ThreeRows();
    EXPECT_EQ(MarginLabelFor(rows, Side::Right, 2, 0, 0).text, "2");
    EXPECT_EQ(MarginLabelFor(rows, Side::Left, 2, 0, 0).text, "3");
    EXPECT_EQ(MarginLabelFor(rows, Side::Right, 1, 0, 0).text, "");
    EXPECT_EQ(MarginLabelFor(rows, Side::Left, 3, 0, 0).text, "");
    EXPECT_FALSE(MarginLabelFor(rows, Side::Left, 0, 1, 2).marker);
    EXPECT_TRUE(MarginLabelFor(rows, Side::Left, 1, 1, 2).marker);
    EXPECT_TRUE(MarginLabelFor(rows, Side::Right, 1, 1, 2).marker);
    EXPECT_FALSE(MarginLabelFor(rows, Side::Left, 2, 1, 2).marker);
}

// A caret without a selection.
StatusQuery At(int column, int row) {
    return {{column, row}, {column, row}, SelectionState::None};
}

TEST(CaretStatus, NamesTheFilesLineAndColumnOnlyWhenTheCaretMoved) {
    const AlignedRows rows = ThreeRows();
    CaretStatus status;
    EXPECT_EQ(status.Text(rows, Side::Right, At(4, 2)), " Zeile: 2  Spalte: 5");
    EXPECT_EQ(status.Text(rows, Side::Right, At(4, 2)), std::nullopt);
    EXPECT_EQ(status.Text(rows, Side::Right, At(0, 1)), ""); // placeholder
    EXPECT_EQ(status.Text(rows, Side::Right, At(0, 3)), ""); // past the rows
    EXPECT_EQ(status.Text(rows, Side::Left, At(0, 1)), " Zeile: 2  Spalte: 1");
    status.Forget();
    EXPECT_EQ(status.Text(rows, Side::Left, At(0, 1)), " Zeile: 2  Spalte: 1")
        << "a pane that regains the focus reports again";
}

TEST(CaretStatus, SelectionAddsTheDistanceToItsAnchor) {
    const AlignedRows rows = ThreeRows();
    CaretStatus status;
    StatusQuery caret{{2, 2}, {9, 0}, SelectionState::OneLine};
    EXPECT_EQ(status.Text(rows, Side::Left, caret), " Zeile: 3  Spalte: 3 (7)");
    caret.selection = SelectionState::AcrossLines;
    caret.caret.column = 3;
    EXPECT_EQ(status.Text(rows, Side::Left, caret), " Zeile: 3  Spalte: 4 (2)");
    caret.anchor.line = 1; // a placeholder on the right: no distance there
    caret.caret.column = 5;
    EXPECT_EQ(status.Text(rows, Side::Right, caret), " Zeile: 2  Spalte: 6");
}

} // namespace
} // namespace varnex
