// The text pane's commands: its context menu, its own and its register commands, and what
// hosts and dialogs set through it (selection, scroll position, edit options, tab width).
#include "textview/widgets/AnsiEditView.h"

#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/model/settings/TabWidth.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

#include <algorithm>

namespace varnex {

namespace {

// Options whose change drops the bracket highlight.
constexpr std::uint32_t kBracketRelevantOptions =
    EditOptions::kLineSelection | EditOptions::kBracketSearch | EditOptions::kLineNumbers;

} // namespace

bool CAnsiEditView::LoadKeyMacros(const std::optional<std::string>& name) {
    return editor_.LoadKeyMacros(name);
}

// The colours dialog is not there yet: its entry stays greyed rather than doing nothing.
QMenu* CAnsiEditView::BuildContextMenu(QPoint point) {
    auto menu = std::make_unique<QMenu>(this);
    if (contextMenuHook_ && contextMenuHook_(*menu, viewport()->mapToGlobal(point))) return nullptr;
    if (!editor_.Caret().HasSelection()) contextPosition_ = HitAt(point).caret;
    const bool clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
    for (const PaneMenuEntry& entry :
         PaneMenuEntries(editor_, contextPosition_, clipboardHasText)) {
        if (!entry.id) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(
            QString::fromUtf8(entry.text.data(), static_cast<int>(entry.text.size())));
        action->setEnabled(entry.enabled);
        const int id = static_cast<int>(*entry.id);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
    menu->addSeparator();
    if (model_.KeepsSettings()) {
        QAction* colours = menu->addAction(
            QString::fromUtf8(kMenuColours.data(), static_cast<int>(kMenuColours.size())));
        const int coloursId = static_cast<int>(PaneCommandId::Colours);
        connect(colours, &QAction::triggered, this, [this, coloursId] { RunCommand(coloursId); });
    }
    QAction* fonts =
        menu->addAction(QString::fromUtf8(kMenuFonts.data(), static_cast<int>(kMenuFonts.size())));
    const int fontsId = static_cast<int>(PaneCommandId::Fonts);
    connect(fonts, &QAction::triggered, this, [this, fontsId] { RunCommand(fontsId); });
    return menu.release();
}

void CAnsiEditView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        ShowContextMenuAtCaret();
        return;
    }
    QMenu* menu = BuildContextMenu(viewport()->mapFromGlobal(event->globalPos()));
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// From the keyboard (the Menu key, Shift+F10) the menu opens below the caret and acts there.
void CAnsiEditView::ShowContextMenuAtCaret() {
    const QRect shown = viewport()->rect();
    const QPoint caret = CellRect(CaretPosition()).bottomLeft();
    const QPoint point(std::clamp(caret.x(), shown.left(), shown.right()),
                       std::clamp(caret.y(), shown.top(), shown.bottom()));
    QMenu* menu = BuildContextMenu(point);
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(viewport()->mapToGlobal(point));
}

bool CAnsiEditView::RunCommand(int id) {
    switch (static_cast<PaneCommandId>(id)) {
    case PaneCommandId::Find:
        OpenFindDialog();
        return true;
    case PaneCommandId::Replace:
        OpenReplaceDialog();
        return true;
    case PaneCommandId::Options:
        OpenOptionsDialog();
        return true;
    case PaneCommandId::Colours:
        ChooseColours();
        return true;
    case PaneCommandId::Fonts:
        ChooseFont();
        return true;
    default:
        break;
    }
    const bool known = RunPaneCommand(editor_, id, contextPosition_);
    AfterInteraction();
    return known;
}

TextPosition CAnsiEditView::SelectionFixedEnd() const {
    const CaretModel& caret = editor_.Caret();
    return caret.HasSelection() ? caret.Anchor() : caret.Caret();
}

TextPosition CAnsiEditView::ExtendSelectionTo(TextPosition to) {
    const TextPosition before = SelectionFixedEnd();
    MoveTo(to, true);
    return before;
}

TextPosition CAnsiEditView::ScrollToCell(TextPosition first) {
    const TextPosition before = ScrollPosition();
    ScrollTo(first.column, first.line);
    viewport()->update();
    return before;
}

std::uint32_t CAnsiEditView::SetEditOptions(OptionChange change) {
    const std::uint32_t before = EditOptions::Set(change.value, change.mask);
    if (change.mask & EditOptions::kLineNumbers) ApplyLineNumberOption();
    if (change.mask & kBracketRelevantOptions) editor_.Caret().ClearBracket();
    ForEachPane([](CAnsiView& pane) { pane.SharedSettingsChanged(); });
    AfterInteraction();
    return before;
}

int CAnsiEditView::SetTabWidth(int columns) {
    const int before = TabWidth::Get();
    if (columns != before && TabWidth::Set(columns)) {
        EditOptions::MarkChanged();
        ForEachPane([](CAnsiView& pane) { pane.SharedSettingsChanged(); });
    }
    AfterInteraction();
    return before;
}

} // namespace varnex
