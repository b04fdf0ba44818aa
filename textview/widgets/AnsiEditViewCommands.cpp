// The text pane's commands: its context menu, its own and its register commands, and the
// command message through which hosts and dialogs drive it.
#include "textview/widgets/AnsiEditView.h"

#include "textview/model/EditOptions.h"
#include "textview/model/PaneTexts.h"
#include "textview/model/TabWidth.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace varnex {

namespace {

// Options whose change drops the bracket highlight.
constexpr std::uint32_t kBracketRelevantOptions =
    EditOptions::kLineSelection | EditOptions::kBracketSearch | EditOptions::kLineNumbers;

} // namespace

bool CAnsiEditView::LoadKeyMacros(const std::optional<std::string>& name) {
    return editor_.LoadKeyMacros(name);
}

// The find, replace, options, colours and font dialogs are not there yet: their entries stay
// greyed rather than doing nothing.
QMenu* CAnsiEditView::BuildContextMenu(QPoint point) {
    auto menu = std::make_unique<QMenu>(this);
    if (contextMenuHook_ && contextMenuHook_(*menu, viewport()->mapToGlobal(point))) return nullptr;
    if (!editor_.Caret().HasSelection()) contextPosition_ = HitAt(point).caret;
    const bool clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
    for (const PaneMenuEntry& entry :
         PaneMenuEntries(editor_, contextPosition_, clipboardHasText, false)) {
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
    for (const std::string_view text : {kMenuColours, kMenuFonts}) {
        QAction* action =
            menu->addAction(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
        action->setEnabled(false);
    }
    return menu.release();
}

void CAnsiEditView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = BuildContextMenu(viewport()->mapFromGlobal(event->globalPos()));
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool CAnsiEditView::RunCommand(int id) {
    const bool known = RunPaneCommand(editor_, id, contextPosition_);
    AfterInteraction();
    return known;
}

std::int64_t CAnsiEditView::PaneCommand(PaneSubCommand command, std::int64_t argument) {
    const CaretModel& caret = editor_.Caret();
    const auto fixedEnd = [&caret] {
        return caret.HasSelection() ? caret.Anchor() : caret.Caret();
    };
    std::int64_t result = 0;
    switch (command) {
    case PaneSubCommand::MoveCaret:
        result = PackPosition(editor_.MoveTo(UnpackPosition(argument), false));
        break;
    case PaneSubCommand::Caret:
        return PackPosition(caret.Caret());
    case PaneSubCommand::ScrollTo: {
        result = PackPosition({Scroll().firstColumn, Scroll().firstLine});
        const TextPosition to = UnpackPosition(argument);
        ScrollTo(to.column, to.line);
        viewport()->update();
        break;
    }
    case PaneSubCommand::Scroll:
        return PackPosition({Scroll().firstColumn, Scroll().firstLine});
    case PaneSubCommand::ExtendSelection:
        result = PackPosition(fixedEnd());
        editor_.MoveTo(UnpackPosition(argument), true);
        break;
    case PaneSubCommand::Anchor:
        return PackPosition(fixedEnd());
    case PaneSubCommand::SetOptions: {
        const auto* change = reinterpret_cast<const OptionChange*>(argument);
        if (!change) return EditOptions::Get();
        result = EditOptions::Set(change->value, change->mask);
        if (change->mask & EditOptions::kLineNumbers) {
            const bool shown = (EditOptions::Get() & EditOptions::kLineNumbers) != 0;
            SetLineNumberWidth(shown ? kOptionMarginWidth : -1);
        }
        if (change->mask & kBracketRelevantOptions) editor_.Caret().ClearBracket();
        viewport()->update();
        break;
    }
    case PaneSubCommand::Options:
        return EditOptions::Get();
    case PaneSubCommand::CellSize:
        return PackPosition({CellSize().width(), CellSize().height()});
    case PaneSubCommand::SetTabWidth: {
        result = TabWidth::Get();
        const int columns = static_cast<int>(argument);
        if (columns != TabWidth::Get() && TabWidth::Set(columns)) {
            EditOptions::MarkChanged();
            ForEachGroupPane([](CAnsiView& pane) { pane.viewport()->update(); });
        }
        break;
    }
    case PaneSubCommand::Search:
    case PaneSubCommand::Replace:
        break;
    }
    AfterInteraction();
    return result;
}

} // namespace varnex
