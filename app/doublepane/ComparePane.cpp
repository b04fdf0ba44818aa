// A compare pane: a text pane whose margin shows file line numbers and the block marker.
#include "app/doublepane/ComparePane.h"

#include <QPainter>

namespace varnex {

namespace {

// The pane's own margin colours, kept so that labelled rows look like counted ones.
const QColor kMarginBackground(0xC0, 0xC0, 0xC0);
const QColor kMarginText(0x80, 0x80, 0x80);
constexpr int kMarginTextInset = 4;

} // namespace

CComparePane::CComparePane(QWidget* parent)
    : CAnsiEditView(kMaxLineLength, kMaxLineCount, kPerCharacterStyles, kResourceName, parent) {}

void CComparePane::PrintLineNumber(QPainter& painter, const QRect& rect, int line) {
    if (!marginSource_) {
        CAnsiEditView::PrintLineNumber(painter, rect, line);
        return;
    }
    painter.fillRect(rect, kMarginBackground);
    const MarginLabel label = marginSource_(line);
    if (label.marker) {
        painter.drawPixmap(rect.topLeft(), marker_.For(rect.height()));
    } else if (!label.text.empty()) {
        painter.setPen(kMarginText);
        painter.drawText(rect.adjusted(0, 0, -kMarginTextInset, 0),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(label.text));
    }
}

const CommandTable<CComparePane>& CComparePane::Commands() {
    static const CommandTable<CComparePane> commands{
        {kCmdCopy, &CComparePane::Copy, &CComparePane::CopyState},
        {kCmdSelectAll, &CComparePane::SelectAllLines, &CComparePane::SelectAllState},
        {kCmdFind, &CComparePane::Find, &CComparePane::SearchState},
        {kCmdFindNext, &CComparePane::Find, &CComparePane::SearchState},
        {kCmdFindSelected, &CComparePane::Find, &CComparePane::SearchState},
    };
    return commands;
}

bool CComparePane::OnCommand(CommandId id) {
    return Commands().Run(*this, id);
}

bool CComparePane::OnUpdateCommand(CommandId id, CommandState& state) {
    return Commands().Query(*this, id, state);
}

void CComparePane::Copy(CommandId) {
    CopySelection();
}

CommandState CComparePane::CopyState(CommandId) const {
    return {Editor().Caret().HasSelection(), false};
}

void CComparePane::SelectAllLines(CommandId) {
    SelectAll();
}

CommandState CComparePane::SelectAllState(CommandId) const {
    return {LineCount() > 0, false};
}

void CComparePane::Find(CommandId id) {
    if (id == kCmdFind) OpenFindDialog();
    if (id == kCmdFindNext) FindNext();
    if (id == kCmdFindSelected) FindSelected();
}

CommandState CComparePane::SearchState(CommandId) const {
    return {LineCount() > 0, false};
}

void CComparePane::focusInEvent(QFocusEvent* event) {
    CAnsiEditView::focusInEvent(event);
    emit FocusGained();
}

} // namespace varnex
