// Draws one line into a row of cells: tabs, style runs, narrow and wide characters, clusters of
// several code points, marks.
#include "textview/widgets/LinePainter.h"

#include "textview/model/document/TextColumns.h"

#include <QFontMetricsF>

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
// Follows the text of a line that goes on past what the pane keeps.
constexpr char32_t kGoesOnMark = U'\u2026';

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

int LinePainter::LastColumn(const QRect& rect, int firstColumn) const {
    const int cellWidth = fonts_.Cell().width();
    return firstColumn + (rect.width() + cellWidth - 1) / cellWidth + 1;
}

int LinePainter::DrawLine(const QRect& rect, int firstColumn, const LineCells& cells, int flags,
                          int tabWidth) {
    row_ = rect;
    left_ = rect.left();
    firstColumn_ = firstColumn;
    Layout(cells, LastColumn(rect, firstColumn), flags, tabWidth);
    PaintBackgrounds();
    PaintTexts();
    PaintFrames();
    if (flags & kMarks) PaintMarks();
    const int endColumn =
        placed_.empty() ? cells.startColumn : placed_.back().column + placed_.back().span;
    return std::max(0, PaintAfter(cells, endColumn, flags) - left_);
}

LinePainter::PlacedChar LinePainter::Place(const LineCells& cells, int index, int column, int flags,
                                           int tabWidth) const {
    PlacedChar placed{.column = column, .style = cells.styles[index], .index = index};
    if (flags & kMarks) {
        const int low = placed.style & 0xFF;
        placed.marked = low >= kMarkedLowMin && low <= kMarkedLowMax;
        placed.style &= kMarkMask;
    }
    const TextCluster cluster = ClusterAt(cells.text, cells.count, index, cells.encoding);
    if (cluster.first == kTab) {
        placed.span = NextColumn(column, cluster, tabWidth) - column;
        placed.shape = Shape::Tab;
    } else if (cluster.bytes > 1) {
        // Drawn alone, as the font may not have its glyphs at the cell width and marks must be
        // shaped onto their base.
        placed.span = cluster.cells;
        placed.shape = Shape::Cluster;
        placed.bytes = cluster.bytes;
    } else {
        placed.shown = cluster.first;
        placed.shape = ByteShape(placed.style, cells.text[index]);
        placed.invalid = cluster.invalid;
    }
    return placed;
}

// A byte as its Windows-1252 character: in a run when it fits the cell, else alone.
LinePainter::Shape LinePainter::ByteShape(StyleValue style, std::uint8_t byte) const {
    const CharFit fit = fonts_.ByteFit(selector_.FontFlagsOf(style), byte);
    return fit == CharFit::Fits     ? Shape::InRun
           : fit == CharFit::Narrow ? Shape::Alone
                                    : Shape::Wide;
}

// Characters without cells (a byte-order mark) are not drawn.
void LinePainter::Layout(const LineCells& cells, int lastColumn, int flags, int tabWidth) {
    placed_.clear();
    text_ = cells.text;
    int column = cells.startColumn;
    int i = 0;
    while (i < cells.count && column < lastColumn &&
           static_cast<int>(placed_.size()) < kMaxCharacters) {
        const PlacedChar placed = Place(cells, i, column, flags, tabWidth);
        if (placed.span > 0) placed_.push_back(placed);
        column += placed.span;
        i += placed.bytes;
    }
    if (cells.goesOn && i >= cells.count && column < lastColumn) {
        placed_.push_back({.column = column,
                           .style = cells.endStyle,
                           .shown = kGoesOnMark,
                           .shape = Shape::Alone,
                           .index = i,
                           .bytes = 0});
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
        } else if (placed.shape == Shape::Cluster) {
            PaintCluster(placed);
        } else if (placed.shape != Shape::Tab) {
            PaintText(placed.column, Shown(placed.shown), placed.style);
        }
    }
    if (!run.isEmpty()) PaintText(runColumn, run, runStyle);
}

const ResolvedStyle& LinePainter::UseStyle(StyleValue style) {
    const ResolvedStyle& resolved = selector_.Select(style);
    if (activeFont_ != resolved.font) {
        painter_.setFont(*resolved.font);
        activeFont_ = resolved.font;
    }
    painter_.setPen(resolved.text);
    return resolved;
}

void LinePainter::PaintText(int column, const QString& text, StyleValue style) {
    UseStyle(style);
    painter_.drawText(QPoint(X(column), row_.top() + fonts_.Ascent()), text);
}

// The cluster's glyphs, from whichever font has them, stay within its cells: centred there and
// clipped when wider, so they never push or cover the characters after it.
void LinePainter::PaintCluster(const PlacedChar& placed) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(text_ + placed.index), placed.bytes);
    const ResolvedStyle& resolved = UseStyle(placed.style);
    const QRect cells = CellsRect(placed.column, placed.span);
    const qreal advance = QFontMetricsF(*resolved.font).horizontalAdvance(text);
    const QPointF origin(cells.left() + (cells.width() - advance) / 2,
                         row_.top() + fonts_.Ascent());
    if (advance <= cells.width()) {
        painter_.drawText(origin, text);
        return;
    }
    painter_.save();
    painter_.setClipRect(cells, Qt::IntersectClip);
    painter_.drawText(origin, text);
    painter_.restore();
}

// A byte that is not valid UTF-8 shows its Windows-1252 character in a frame of the text colour.
void LinePainter::PaintFrames() {
    for (const PlacedChar& placed : placed_) {
        if (!placed.invalid) continue;
        painter_.setPen(selector_.Select(placed.style).text);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(CellsRect(placed.column, placed.span).adjusted(0, 0, -1, -1));
    }
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
    if (to > from)
        painter_.fillRect(CellsRect(from, to - from), selector_.Select(style).background);
    return std::max(0, X(to) - left_);
}

void LinePainter::FillRest(const QRect& rect, int x) {
    if (x > rect.right()) return;
    painter_.fillRect(QRect(x, rect.top(), rect.right() + 1 - x, rect.height()),
                      selector_.Current().background);
}

} // namespace varnex
