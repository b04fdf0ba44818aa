// The text pane's input: keys, focus, mouse, drag and drop, and the blinking caret.
#include "textview/widgets/AnsiEditView.h"

#include "textview/widgets/ClipboardText.h"
#include "textview/widgets/KeyMapping.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace varnex {

namespace {

// Width in pixels of the insert-mode caret; the overwrite caret covers the cell's lower part.
constexpr int kInsertCaretWidth = 2;
constexpr int kOverwriteCaretDivisor = 4;

} // namespace

// Tab and Shift+Tab are keys of the pane, not a way to the next widget.
bool CAnsiEditView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return CAnsiView::event(event);
}

void CAnsiEditView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowContextMenuAtCaret();
        return;
    }
    if (const std::optional<ZoomStep> zoom = ZoomStepOf(*event)) {
        Zoom(*zoom);
        event->accept();
        return;
    }
    const KeyPress press = KeyPressOf(*event);
    const std::optional<char32_t> typed = TypedCharacter(*event, model_.Encoding());
    if (press.key == PaneKey::Other && !typed) {
        event->ignore();
        return;
    }
    if (press.key != PaneKey::Other) keys_.PressKey(editor_, press);
    // A Ctrl shortcut types nothing, whatever character the platform makes of it.
    const bool shortcut = press.key == PaneKey::Character && press.ctrl && !press.alt;
    if (typed && !shortcut) keys_.TypeCharacter(editor_, *typed, press.shift);
    event->accept();
    AfterInteraction();
}

void CAnsiEditView::focusInEvent(QFocusEvent* event) {
    CAnsiView::focusInEvent(event);
    editor_.SetFocus(true);
    RestartBlink();
}

// A pane whose window gave way to a dialog or a menu stays its window's focus widget: it keeps
// publishing its caret, so a search from the find dialog shows its hit in the status bar.
void CAnsiEditView::focusOutEvent(QFocusEvent* event) {
    CAnsiView::focusOutEvent(event);
    const bool windowOnly =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!windowOnly) editor_.SetFocus(false);
    blinkTimer_.stop();
    viewport()->update(paintedCaret_);
}

void CAnsiEditView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        CAnsiView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    leftButtonHeld_ = true;
    lastPointer_ = event->position().toPoint();
    const Qt::KeyboardModifiers otherModifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool otherKeys =
        (event->buttons() & ~Qt::LeftButton) != Qt::NoButton || otherModifiers != Qt::NoModifier;
    mouse_.Press(editor_, HitAt(lastPointer_), event->modifiers() & Qt::ShiftModifier, otherKeys,
                 clock_());
    AfterInteraction();
}

void CAnsiEditView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    lastPointer_ = event->position().toPoint();
    const PaneMouse::Motion motion = mouse_.Move(editor_, HitAt(lastPointer_));
    if (motion == PaneMouse::Motion::StartDrag) {
        StartDrag();
    } else if (motion == PaneMouse::Motion::Selecting) {
        const bool outside = !viewport()->rect().contains(lastPointer_);
        if (outside && !autoScrollTimer_.isActive()) autoScrollTimer_.start();
        if (!outside) autoScrollTimer_.stop();
    }
    AfterInteraction();
}

void CAnsiEditView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    leftButtonHeld_ = false;
    autoScrollTimer_.stop();
    mouse_.Release(editor_);
    AfterInteraction();
}

void CAnsiEditView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    mouse_.DoubleClick(editor_, HitAt(event->position().toPoint()), clock_());
    AfterInteraction();
}

// While the pointer is outside the pane with the button held, the text scrolls towards it and
// the selection follows.
void CAnsiEditView::AutoScroll() {
    if (!leftButtonHeld_) {
        autoScrollTimer_.stop();
        return;
    }
    const QRect area = viewport()->rect().adjusted(MarginWidth(), 0, 0, 0);
    const ScrollState& shown = Scroll();
    const QSize cell = CellSize();
    const int lines =
        AutoScrollStep(lastPointer_.y() - area.bottom(), cell.height(), shown.fullLines) -
        AutoScrollStep(area.top() - lastPointer_.y(), cell.height(), shown.fullLines);
    const int columns =
        AutoScrollStep(lastPointer_.x() - area.right(), cell.width(), shown.fullColumns) -
        AutoScrollStep(area.left() - lastPointer_.x(), cell.width(), shown.fullColumns);
    ScrollTo(std::max(shown.firstColumn + columns, 0), std::max(shown.firstLine + lines, 0));
    const QPoint inside(std::clamp(lastPointer_.x(), area.left(), area.right()),
                        std::clamp(lastPointer_.y(), area.top(), area.bottom()));
    mouse_.Move(editor_, HitAt(inside));
    AfterInteraction();
}

void CAnsiEditView::StartDrag() {
    auto* data = new QMimeData;
    data->setText(BytesToText(editor_.SelectedText(), model_.Encoding()));
    QDrag drag(this);
    drag.setMimeData(data);
    droppedOnSelf_ = false;
    dragging_ = true;
    const Qt::DropActions allowed = ReadOnly() ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction;
    const Qt::DropAction done = runDrag_(drag, allowed);
    dragging_ = false;
    // A move into another pane or program takes the text away from here.
    if (done == Qt::MoveAction && !droppedOnSelf_) editor_.DeleteSelection();
    mouse_.DragEnded(editor_, done != Qt::IgnoreAction);
    AfterInteraction();
}

// Within the pane a drop moves the text unless Ctrl is held; from elsewhere it moves it too,
// where the source allows that.
Qt::DropAction CAnsiEditView::DropActionFor(const QDropEvent& event) const {
    if (dragging_ && (event.modifiers() & Qt::ControlModifier)) return Qt::CopyAction;
    return (event.possibleActions() & Qt::MoveAction) ? Qt::MoveAction : Qt::CopyAction;
}

void CAnsiEditView::dragEnterEvent(QDragEnterEvent* event) {
    if (ReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->setDropAction(DropActionFor(*event));
    event->accept();
}

void CAnsiEditView::dragMoveEvent(QDragMoveEvent* event) {
    if (ReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->setDropAction(DropActionFor(*event));
    event->accept();
}

void CAnsiEditView::dropEvent(QDropEvent* event) {
    if (ReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    const Qt::DropAction action = DropActionFor(*event);
    const bool within = dragging_ && action == Qt::MoveAction;
    const TextPosition at = HitAt(event->position().toPoint()).caret;
    const bool dropped =
        DropText(editor_, at, TextToBytes(event->mimeData()->text(), model_.Encoding()), within);
    droppedOnSelf_ = dragging_;
    event->setDropAction(action);
    if (dropped) {
        event->accept();
    } else {
        event->ignore();
    }
    AfterInteraction();
}

bool CAnsiEditView::CaretShown() const {
    return hasFocus() && editor_.CaretEnabled() && caretVisible_;
}

QRect CAnsiEditView::CaretRect() const {
    const QRect cell = CellRect(editor_.Caret().Caret());
    if (editor_.InsertMode()) return QRect(cell.topLeft(), QSize(kInsertCaretWidth, cell.height()));
    const int height = std::max(2, cell.height() / kOverwriteCaretDivisor);
    return QRect(cell.left(), cell.bottom() + 1 - height, cell.width(), height);
}

void CAnsiEditView::paintEvent(QPaintEvent* event) {
    CAnsiView::paintEvent(event);
    paintedCaret_ = CaretRect();
    if (!CaretShown() || paintedCaret_.left() < MarginWidth()) return;
    QPainter painter(viewport());
    painter.fillRect(paintedCaret_, palette().color(QPalette::Text));
}

void CAnsiEditView::BlinkCaret() {
    caretVisible_ = !caretVisible_;
    viewport()->update(CaretRect());
}

// A caret that just moved shows at once and blinks from there; a flash time of 0 means a
// steady caret.
void CAnsiEditView::RestartBlink() {
    caretVisible_ = true;
    blinkTimer_.stop();
    if (QApplication::cursorFlashTime() > 0 && hasFocus()) blinkTimer_.start();
    viewport()->update(paintedCaret_);
    viewport()->update(CaretRect());
}

// Under X11 a selection is offered to other programs at once, as the text a copy would give.
void CAnsiEditView::OfferPrimarySelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const CaretModel& caret = editor_.Caret();
    if (!clipboard->supportsSelection() || !caret.HasSelection()) return;
    const std::pair span{caret.SelectionStart(), caret.SelectionEnd()};
    if (offeredSelection_ == span) return;
    const std::string text = editor_.SelectedText();
    if (text.empty()) return;
    offeredSelection_ = span;
    clipboard->setText(BytesToText(text, model_.Encoding()), QClipboard::Selection);
}

void CAnsiEditView::AfterInteraction() {
    AfterChange();
    RestartBlink();
    OfferPrimarySelection();
    if (editor_.Caret().HasSelection() == hadSelection_) return;
    hadSelection_ = !hadSelection_;
    emit SelectionChanged();
}

} // namespace varnex
