// The pane window: character cells, scrolling, the line-number margin and painting.
#include "textview/widgets/AnsiView.h"

#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/FontSet.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace varnex {

namespace {

const char kNotDerivedText[] = "CAnsiView::PrintLine() wurde nicht abgeleitet !";
const QColor kMarginBackground(0xC0, 0xC0, 0xC0);
const QColor kMarginText(0x80, 0x80, 0x80);
constexpr int kMarginTextInset = 4; // pixels between the number and the margin's right edge

std::vector<CAnsiView*>& LivePanes() {
    static std::vector<CAnsiView*> panes;
    return panes;
}

QFont MarginFont(int cellHeight) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (QFontMetrics(font).height() > cellHeight)
        font.setPixelSize(std::max(1, cellHeight * 3 / 4));
    return font;
}

} // namespace

CAnsiView::CAnsiView(const std::string& resourceName, QWidget* parent)
    : QAbstractScrollArea(parent), resources_(PaneResources::Join(resourceName)) {
    LivePanes().push_back(this);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (!resources_->Fonts()) SetFont(kDefaultFontSize, kDefaultFace);
    LayOut();
}

CAnsiView::~CAnsiView() {
    // Only the link goes: a pane being destroyed must not scroll or signal any more.
    if (scrollPartner_) scrollPartner_->scrollPartner_ = nullptr;
    auto& panes = LivePanes();
    panes.erase(std::remove(panes.begin(), panes.end(), this), panes.end());
}

void CAnsiView::ForEachGroupPane(const std::function<void(CAnsiView&)>& action) {
    const std::vector<CAnsiView*> panes = LivePanes();
    for (CAnsiView* pane : panes) {
        if (pane->resources_ == resources_) action(*pane);
    }
}

void CAnsiView::ForEachPane(const std::function<void(CAnsiView&)>& action) {
    const std::vector<CAnsiView*> panes = LivePanes();
    for (CAnsiView* pane : panes)
        action(*pane);
}

void CAnsiView::SharedSettingsChanged() {
    ContentChanged();
    viewport()->update();
}

void CAnsiView::SetFont(int size, const std::string& face) {
    if (size != 0) {
        resources_->Font() = FontSpec::ForSize(size, face);
        resources_->SetZoomHeight(std::nullopt);
    }
    resources_->SetFonts(std::make_unique<FontSet>(resources_->ShownFont()));
    ForEachGroupPane([](CAnsiView& pane) {
        pane.LayOut();
        emit pane.CellSizeChanged();
    });
}

bool CAnsiView::SetLineNumberWidth(int pixels) {
    std::optional<int> width;
    if (pixels >= 0 && pixels <= kMaxMarginWidth) width = pixels;
    if (!resources_->SetMarginWidth(width)) return false;
    ForEachGroupPane([](CAnsiView& pane) { pane.LayOut(); });
    return true;
}

void CAnsiView::LayOut() {
    const QSize cell = CellSize();
    const int textWidth = std::max(0, viewport()->width() - MarginWidth());
    scroll_.Measure(textWidth, viewport()->height(), cell.width(), cell.height());
    UpdateScrollBars();
    VisibleLinesChanged();
    viewport()->update();
}

void CAnsiView::SetScrollPartner(CAnsiView* partner) {
    if (scrollPartner_ == partner) return;
    if (scrollPartner_) scrollPartner_->scrollPartner_ = nullptr;
    scrollPartner_ = partner;
    if (partner) {
        partner->SetScrollPartner(nullptr);
        partner->scrollPartner_ = this;
    }
    UpdateScrollBars();
}

CAnsiView::ScrollLimits CAnsiView::OwnScrollLimits() const {
    return {scroll_.MaxFirstLine(LineCount()), scroll_.fullLines,
            scroll_.MaxFirstColumn(ContentColumns()), scroll_.fullColumns};
}

CAnsiView::ScrollLimits CAnsiView::JointScrollLimits() const {
    ScrollLimits limits = OwnScrollLimits();
    if (!scrollPartner_) return limits;
    const ScrollLimits other = scrollPartner_->OwnScrollLimits();
    limits.maxFirstLine = std::max(limits.maxFirstLine, other.maxFirstLine);
    limits.linePage = std::min(limits.linePage, other.linePage);
    limits.maxFirstColumn = std::max(limits.maxFirstColumn, other.maxFirstColumn);
    limits.columnPage = std::min(limits.columnPage, other.columnPage);
    return limits;
}

void CAnsiView::ApplyScrollLimits(const ScrollLimits& limits) {
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, limits.maxFirstLine);
    vertical->setPageStep(limits.linePage);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, limits.maxFirstColumn);
    horizontal->setPageStep(limits.columnPage);
}

void CAnsiView::UpdateScrollBars() {
    scrollBarsPending_ = false;
    const ScrollLimits limits = JointScrollLimits();
    ApplyScrollLimits(limits);
    if (scrollPartner_) scrollPartner_->ApplyScrollLimits(limits);
}

// Filling a pane changes its extent once per line; the scroll bars follow once, afterwards.
void CAnsiView::ContentChanged() {
    if (scrollBarsPending_) return;
    scrollBarsPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (scrollBarsPending_) UpdateScrollBars();
    });
}

void CAnsiView::ScrollTo(int column, int line) {
    UpdateScrollBars();
    {
        const QSignalBlocker blockHorizontal(horizontalScrollBar());
        const QSignalBlocker blockVertical(verticalScrollBar());
        horizontalScrollBar()->setValue(column);
        verticalScrollBar()->setValue(line);
    }
    ApplyScroll();
}

void CAnsiView::scrollContentsBy(int, int) {
    ApplyScroll();
}

void CAnsiView::ApplyScroll() {
    const int column = horizontalScrollBar()->value();
    const int line = verticalScrollBar()->value();
    if (column == scroll_.firstColumn && line == scroll_.firstLine) return;
    scroll_.firstColumn = column;
    scroll_.firstLine = line;
    VisibleLinesChanged();
    viewport()->update();
    emit ScrollPositionChanged(column, line);
}

void CAnsiView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    LayOut();
}

namespace {

int FloorDivide(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

PointerHit CAnsiView::HitAt(QPoint point) const {
    const QSize cell = CellSize();
    const int x = point.x() - MarginWidth();
    const int line = std::max(0, scroll_.firstLine + FloorDivide(point.y(), cell.height()));
    const int cellColumn = scroll_.firstColumn + FloorDivide(x, cell.width());
    const int caretColumn = scroll_.firstColumn + FloorDivide(x + cell.width() / 2, cell.width());
    return {{std::max(0, caretColumn), line}, {std::max(0, cellColumn), line}};
}

QRect CAnsiView::CellRect(TextPosition position) const {
    const QSize cell = CellSize();
    return QRect(MarginWidth() + (position.column - scroll_.firstColumn) * cell.width(),
                 (position.line - scroll_.firstLine) * cell.height(), cell.width(), cell.height());
}

QRect CAnsiView::RowRect(int row) const {
    const int height = CellSize().height();
    return QRect(MarginWidth(), row * height, std::max(0, viewport()->width() - MarginWidth()),
                 height);
}

void CAnsiView::RequestRepaint(const PendingRepaint& pending) {
    if (pending.IsEmpty()) return;
    const std::optional<int> line = pending.Line();
    if (!line) {
        viewport()->update();
    } else if (scroll_.ShowsLine(*line)) {
        viewport()->update(RowRect(*line - scroll_.firstLine).adjusted(-MarginWidth(), 0, 0, 0));
    }
}

void CAnsiView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    LinePainter lines(painter, Fonts(), resources_->Styles(), palette());
    const int cellHeight = CellSize().height();
    const int firstRow = std::max(0, event->rect().top() / cellHeight);
    const int lastRow = std::min(scroll_.visibleLines - 1, event->rect().bottom() / cellHeight);
    for (int row = firstRow; row <= lastRow; ++row)
        PaintRow(lines, row);
    if (resources_->MarginWidth()) PaintMargin(painter, firstRow, lastRow);
}

// Each row starts from style 0, so a row looks the same whether painted alone or with others.
void CAnsiView::PaintRow(LinePainter& lines, int row) {
    const QRect rect = RowRect(row);
    const int line = scroll_.firstLine + row;
    lines.Painter().setClipRect(rect);
    lines.Styles().Reset();
    int columns = 0;
    if (line < LineCount()) {
        columns = PrintLine(lines, rect, line, scroll_.firstColumn, scroll_.visibleColumns, 0);
    }
    lines.FillRest(rect, rect.left() + columns * CellSize().width());
}

void CAnsiView::PaintMargin(QPainter& painter, int firstRow, int lastRow) {
    painter.setClipping(false);
    painter.setFont(MarginFont(CellSize().height()));
    for (int row = firstRow; row <= lastRow; ++row) {
        const QRect rect(0, row * CellSize().height(), MarginWidth(), CellSize().height());
        PrintLineNumber(painter, rect, scroll_.firstLine + row);
    }
}

void CAnsiView::PrintLineNumber(QPainter& painter, const QRect& rect, int line) {
    painter.fillRect(rect, kMarginBackground);
    if (line >= LineCount()) return;
    painter.setPen(kMarginText);
    painter.drawText(rect.adjusted(0, 0, -kMarginTextInset, 0), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(line + 1));
}

int CAnsiView::PrintLine(LinePainter& lines, const QRect& rect, int, int firstColumn, int,
                         int flags) {
    static const std::vector<StyleValue> plainStyles(sizeof(kNotDerivedText), 0);
    LineCells cells;
    cells.text = reinterpret_cast<const std::uint8_t*>(kNotDerivedText);
    cells.styles = plainStyles.data();
    cells.count = static_cast<int>(sizeof(kNotDerivedText)) - 1;
    const int pixels = lines.DrawLine(rect, firstColumn, cells, flags, TabWidth::Get());
    return pixels / CellSize().width();
}

} // namespace varnex
