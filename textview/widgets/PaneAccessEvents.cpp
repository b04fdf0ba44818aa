// Gathers a pane's changes and tells them to assistive technology.
#include "textview/widgets/PaneAccessEvents.h"

#include "textview/widgets/AnsiEditView.h"

#include <QAccessible>

#include <algorithm>
#include <optional>

namespace varnex {

namespace {

QString ToQString(const std::u32string& text, std::size_t from, std::size_t count) {
    return QString::fromUcs4(text.data() + from, static_cast<qsizetype>(count));
}

} // namespace

PaneAccessEvents::PaneAccessEvents(CAnsiEditView& pane) : pane_(pane), offsets_(pane.Model()) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(0);
    QObject::connect(&flushTimer_, &QTimer::timeout, &pane, [this] { Flush(); });
}

bool PaneAccessEvents::Listened() const {
    return teller_ || QAccessible::isActive();
}

void PaneAccessEvents::Tell(QAccessibleEvent& event) const {
    if (teller_)
        teller_(event);
    else
        QAccessible::updateAccessibility(&event);
}

void PaneAccessEvents::Changed() {
    if (Listened() && !flushTimer_.isActive()) flushTimer_.start();
}

void PaneAccessEvents::Flush() {
    flushTimer_.stop();
    if (!Listened()) return;
    if (toldRevision_ != pane_.Model().TextRevision()) TellText();
    const CaretModel& caret = pane_.Editor().Caret();
    const int caretOffset = offsets_.OffsetOfCaret(caret.Caret());
    TellCaret(caretOffset, caret.Caret().line);
    TellSelection(offsets_.SelectionOf(caret), caretOffset);
}

// Only the part between what stayed the same at both ends is told as removed and inserted, so
// a typed character is one character, and a new comparison the whole text once.
void PaneAccessEvents::TellText() {
    std::u32string text = offsets_.Text({0, offsets_.CharacterCount()});
    toldRevision_ = pane_.Model().TextRevision();
    const auto [oldEnd, newEnd] =
        std::mismatch(toldText_.begin(), toldText_.end(), text.begin(), text.end());
    const std::size_t head = static_cast<std::size_t>(oldEnd - toldText_.begin());
    if (head == toldText_.size() && head == text.size()) return;
    const std::size_t room = std::min(toldText_.size(), text.size()) - head;
    std::size_t tail = 0;
    while (tail < room && toldText_[toldText_.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    QAccessibleTextUpdateEvent event(&pane_, static_cast<int>(head),
                                     ToQString(toldText_, head, toldText_.size() - head - tail),
                                     ToQString(text, head, text.size() - head - tail));
    toldText_ = std::move(text);
    Tell(event);
}

void PaneAccessEvents::TellCaret(int caretOffset, int caretLine) {
    if (caretLine != toldCaretLine_) {
        toldCaretLine_ = caretLine;
        QAccessibleEvent described(&pane_, QAccessible::DescriptionChanged);
        Tell(described);
    }
    if (caretOffset == toldCaret_) return;
    toldCaret_ = caretOffset;
    QAccessibleTextCursorEvent event(&pane_, caretOffset);
    Tell(event);
}

// A selection that went is told as an empty one at the caret.
void PaneAccessEvents::TellSelection(std::optional<OffsetRange> selection, int caretOffset) {
    if (selection == toldSelection_) return;
    toldSelection_ = selection;
    const OffsetRange told = selection.value_or(OffsetRange{caretOffset, caretOffset});
    QAccessibleTextSelectionEvent event(&pane_, told.start, told.end);
    Tell(event);
}

} // namespace varnex
