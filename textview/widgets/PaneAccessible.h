// A pane as assistive technology sees it: read-only or editable multi-line text with a caret
// and a selection, addressed by character offsets (TextOffsets), named by its host, and
// described by what its host says of the caret's line.
#pragma once

#include <QAccessibleWidget>

namespace varnex {

class CAnsiEditView;

class PaneAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PaneAccessible(CAnsiEditView* pane);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface; a pane has at most one selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Hands out this interface for every pane; installed once by the first pane.
    static void Install();

private:
    CAnsiEditView& Pane() const;
    QString UnitText(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                     int* endOffset) const;
};

} // namespace varnex
