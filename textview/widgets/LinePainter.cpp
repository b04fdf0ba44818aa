// Draws one line into a row of cells: tabs, style runs, narrow and wide characters, marks.
#include "textview/widgets/LinePainter.h"

#include "common/Unicode.h"
#include "textview/model/document/TextColumns.h"

#include <algorithm>

namespace varnex {

namespace {

// Marked characters carry their style with bit 7 set in the low byte; 255 is no mark.
constexpr int kMarkedLowMin = 128;
constexpr int kMarkedLowMax = 254;
constexpr StyleValue kMarkMask = 0x7F7F;
const QColor kMarkBarColour(0xFF, 0x80, 0x80); // light red, 0x8080FF as 0x00BBGGRR
// The mark bar stands this far down the cell: 15/16 of its height, just above the next row.
constexpr int kMarkBarNumerator = 15;
constexpr int kMarkBarDenominator = 16;

QString Shown(char32_t codePoint) {
    return QString::fromUcs4(&codePoint, 1);
}

} // namespace

LinePainter::LinePainter(QPainter& painter, const FontSet& fonts, const StyleTable& styles,
                         const QPalette& palette)
    : painter_(painter), fonts_(fonts), selector_(styles, fonts, palette) {}

QRect LinePainter::CellsRect(int column, int span) const {
    return QRect(X(column), row_.top(), span * fonts_.Cell().width(), row_.height());
}

int LinePainter::DrawLine(const QRect& rect, int firstColumn, const LineCells& cells, int flags,
                          int tabWidth) {
    row_ = rect;
    left_ = rect.left();
    firstColumn_ = firstColumn;
    const int cellWidth = fonts_.Cell().width();
    const int lastColumn = firstColumn + (rect.width() + cellWidth - 1) / cellWidth + 1;
    Layout(cells, lastColumn, flags, tabWidth);
    PaintBackgrounds();
    PaintTexts();
    if (flags & kMarks) PaintMarks();
    const int endColumn =
        placed_.empty() ? cells.startColumn : placed_.back().column + placed_.back().span;
    return std::max(0, PaintAfter(cells, endColumn, flags) - left_);
}

LinePainter::PlacedChar LinePainter::Place(const LineCells& cells, int index, int column, int flags,
                                           int tabWidth) const {
    const std::uint8_t byte = cells.text[index];
    StyleValue style = cells.styles[index];
    bool marked = false;
    if (flags & kMarks) {
        const int low = style & 0xFF;
        marked = low >= kMarkedLowMin && low <= kMarkedLowMax;
        style &= kMarkMask;
    }
    if (byte == kTab) {
        return {
            column, NextColumn(column, kTab, tabWidth) - column, style, U' ', Shape::Tab, marked,
            1};
    }
    // A UTF-8 sequence is drawn alone, as the font may not have its glyph at the cell width.
    if (cells.encoding == TextEncoding::Utf8 && byte >= 0x80) {
        const EncodedChar sequence =
            DecodeUtf8(cells.text, cells.count, index, Utf8Decoding::Strict);
        if (sequence.bytes > 0) {
            return {
                column,        CharCells(sequence.code), style, sequence.code, Shape::Wide, marked,
                sequence.bytes};
        }
    }
    const CharFit fit = fonts_.ByteFit(selector_.FontFlagsOf(style), byte);
    const Shape shape = fit == CharFit::Fits     ? Shape::InRun
                        : fit == CharFit::Narrow ? Shape::Alone
                                                 : Shape::Wide;
    return {column, 1, style, Windows1252ToUnicode(byte), shape, marked, 1};
}

void LinePainter::Layout(const LineCells& cells, int lastColumn, int flags, int tabWidth) {
    placed_.clear();
    int column = cells.startColumn;
    for (int i = 0; i < cells.count && column < lastColumn &&
                    static_cast<int>(placed_.size()) < kMaxCharacters;) {
        const PlacedChar placed = Place(cells, i, column, flags, tabWidth);
        placed_.push_back(placed);
        column += placed.span;
        i += placed.bytes;
    }
}

// All backgrounds go first, so that wide characters may overhang into the next cell.
void LinePainter::PaintBackgrounds() {
    for (std::size_t i = 0; i < placed_.size();) {
        std::size_t end = i + 1;
        while (end < placed_.size() && placed_[end].style == placed_[i].style)
            ++end;
        const int endColumn = placed_[end - 1].column + placed_[end - 1].span;
        painter_.fillRect(CellsRect(placed_[i].column, endColumn - placed_[i].column),
                          selector_.Select(placed_[i].style).background);
        i = end;
    }
}

void LinePainter::PaintTexts() {
    QString run;
    int runColumn = 0;
    StyleValue runStyle = 0;
    for (const PlacedChar& placed : placed_) {
        const bool joins =
            placed.shape == Shape::InRun && !run.isEmpty() && placed.style == runStyle;
        if (!joins && !run.isEmpty()) PaintText(runColumn, run, runStyle);
        if (!joins) run.clear();
        if (placed.shape == Shape::InRun) {
            if (run.isEmpty()) runColumn = placed.column;
            runStyle = placed.style;
            run += QChar(static_cast<char16_t>(placed.shown));
        } else if (placed.shape != Shape::Tab) {
            PaintText(placed.column, Shown(placed.shown), placed.style);
        }
    }
    if (!run.isEmpty()) PaintText(runColumn, run, runStyle);
}

void LinePainter::PaintText(int column, const QString& text, StyleValue style) {
    const ResolvedStyle& resolved = selector_.Select(style);
    if (activeFont_ != resolved.font) {
        painter_.setFont(*resolved.font);
        activeFont_ = resolved.font;
    }
    painter_.setPen(resolved.text);
    painter_.drawText(QPoint(X(column), row_.top() + fonts_.Ascent()), text);
}

void LinePainter::PaintMarks() {
    const int barY = row_.top() + row_.height() * kMarkBarNumerator / kMarkBarDenominator;
    for (const PlacedChar& placed : placed_) {
        if (!placed.marked) continue;
        painter_.fillRect(QRect(X(placed.column), barY, placed.span * fonts_.Cell().width(), 1),
                          kMarkBarColour);
    }
}

// Returns the right edge of what was drawn, leaving the style the row ends in selected.
int LinePainter::PaintAfter(const LineCells& cells, int endColumn, int flags) {
    if (!(flags & (kPaintOneMore | kPaintToEdge))) {
        if (!placed_.empty()) selector_.Select(placed_.back().style);
        return X(endColumn);
    }
    const QColor& background = selector_.Select(cells.styleAfter).background;
    if (flags & kPaintToEdge) {
        painter_.fillRect(
            QRect(X(endColumn), row_.top(), row_.right() + 1 - X(endColumn), row_.height()),
            background);
        return std::max(row_.right() + 1, X(endColumn));
    }
    painter_.fillRect(CellsRect(endColumn, 1), background);
    return X(endColumn + 1);
}

int LinePainter::FillColumns(const QRect& rect, int firstColumn, int from, int to,
                             StyleValue style) {
    row_ = rect;
    left_ = rect.left();
    firstColumn_ = firstColumn;
    from = std::max(from, firstColumn);
    if (to > from) painter_.fillRect(CellsRect(from, to - from), selector_.Select(style).background);
    return std::max(0, X(to) - left_);
}

void LinePainter::FillRest(const QRect& rect, int x) {
    if (x > rect.right()) return;
    painter_.fillRect(QRect(x, rect.top(), rect.right() + 1 - x, rect.height()),
                      selector_.Current().background);
}

} // namespace varnex
