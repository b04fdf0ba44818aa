// The pane's accessible text: its characters, caret and selection by offset.
#include "textview/widgets/PaneAccessible.h"

#include "textview/model/settings/EditOptions.h"
#include "textview/widgets/AnsiEditView.h"

namespace varnex {

namespace {

// Sentences and paragraphs are not told apart from lines in a pane of source text.
TextUnit UnitOf(QAccessible::TextBoundaryType boundary) {
    switch (boundary) {
    case QAccessible::CharBoundary:
        return TextUnit::Character;
    case QAccessible::WordBoundary:
        return TextUnit::Word;
    default:
        return TextUnit::Line;
    }
}

QAccessibleInterface* PaneInterfaceFor(const QString& key, QObject* object) {
    if (key != QLatin1String(CAnsiEditView::staticMetaObject.className())) return nullptr;
    auto* pane = qobject_cast<CAnsiEditView*>(object);
    return pane ? new PaneAccessible(pane) : nullptr;
}

} // namespace

PaneAccessible::PaneAccessible(CAnsiEditView* pane)
    : QAccessibleWidget(pane, QAccessible::EditableText) {}

void PaneAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(PaneInterfaceFor);
        return true;
    }();
    static_cast<void>(installed);
}

CAnsiEditView& PaneAccessible::Pane() const {
    return *static_cast<CAnsiEditView*>(widget());
}

void* PaneAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PaneAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Description) return QAccessibleWidget::text(kind);
    const QString line = QString::fromStdString(Pane().CaretLineDescription());
    return line.isEmpty() ? QAccessibleWidget::text(kind) : line;
}

QAccessible::State PaneAccessible::state() const {
    QAccessible::State shown = QAccessibleWidget::state();
    shown.multiLine = true;
    shown.readOnly = Pane().ReadOnly();
    shown.editable = !Pane().ReadOnly();
    shown.selectableText = true;
    return shown;
}

void PaneAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    const std::optional<OffsetRange> selected =
        Pane().Offsets().SelectionOf(Pane().Editor().Caret());
    if (selectionIndex != 0 || !selected) return;
    *startOffset = selected->start;
    *endOffset = selected->end;
}

int PaneAccessible::selectionCount() const {
    return Pane().Editor().Caret().HasSelection() ? 1 : 0;
}

void PaneAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void PaneAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) Pane().MoveTo(Pane().CaretPosition(), false);
}

void PaneAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const TextOffsets& offsets = Pane().Offsets();
    Pane().MoveTo(offsets.CaretOf(startOffset), false);
    Pane().MoveTo(offsets.CaretOf(endOffset), true);
}

int PaneAccessible::cursorPosition() const {
    return Pane().Offsets().OffsetOfCaret(Pane().CaretPosition());
}

void PaneAccessible::setCursorPosition(int position) {
    Pane().MoveTo(Pane().Offsets().CaretOf(position), false);
}

QString PaneAccessible::text(int startOffset, int endOffset) const {
    const std::u32string characters = Pane().Offsets().Text({startOffset, endOffset});
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

QString PaneAccessible::UnitText(int offset, QAccessible::TextBoundaryType boundary,
                                 int* startOffset, int* endOffset) const {
    const TextOffsets& offsets = Pane().Offsets();
    const OffsetRange range = boundary == QAccessible::NoBoundary
                                  ? OffsetRange{0, offsets.CharacterCount()}
                                  : offsets.UnitAt(offset, UnitOf(boundary), EditOptions::Get());
    *startOffset = range.start;
    *endOffset = range.end;
    return text(range.start, range.end);
}

QString PaneAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                     int* startOffset, int* endOffset) const {
    return UnitText(offset, boundary, startOffset, endOffset);
}

QString PaneAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* startOffset, int* endOffset) const {
    UnitText(offset, boundary, startOffset, endOffset);
    if (*startOffset == 0 || boundary == QAccessible::NoBoundary) {
        *startOffset = *endOffset = 0;
        return {};
    }
    return UnitText(*startOffset - 1, boundary, startOffset, endOffset);
}

QString PaneAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                        int* startOffset, int* endOffset) const {
    const int count = characterCount();
    UnitText(offset, boundary, startOffset, endOffset);
    if (*endOffset >= count || boundary == QAccessible::NoBoundary) {
        *startOffset = *endOffset = count;
        return {};
    }
    return UnitText(*endOffset, boundary, startOffset, endOffset);
}

int PaneAccessible::characterCount() const {
    return Pane().Offsets().CharacterCount();
}

QRect PaneAccessible::characterRect(int offset) const {
    const QRect cell = Pane().CellRect(Pane().Offsets().CaretOf(offset));
    return QRect(Pane().viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

int PaneAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint inside = Pane().viewport()->mapFromGlobal(point);
    if (!Pane().viewport()->rect().contains(inside)) return -1;
    return Pane().Offsets().OffsetOfCaret(Pane().HitAt(inside).caret);
}

// Selecting the substring brings it into view the way the caret's moves do.
void PaneAccessible::scrollToSubstring(int startIndex, int endIndex) {
    setSelection(0, startIndex, endIndex);
}

QString PaneAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

} // namespace varnex
