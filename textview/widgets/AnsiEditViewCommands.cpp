// The text pane's commands: its context menu, its own and its register commands, and the
// command message through which hosts and dialogs drive it.
#include "textview/widgets/AnsiEditView.h"

#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/model/settings/TabWidth.h"

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
    QMenu* menu = BuildContextMenu(viewport()->mapFromGlobal(event->globalPos()));
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
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
        if (change->mask & EditOptions::kLineNumbers) ApplyLineNumberOption();
        if (change->mask & kBracketRelevantOptions) editor_.Caret().ClearBracket();
        ForEachPane([](CAnsiView& pane) { pane.SharedSettingsChanged(); });
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
            ForEachPane([](CAnsiView& pane) { pane.SharedSettingsChanged(); });
        }
        break;
    }
    case PaneSubCommand::Search:
        return RunSearchRequest(reinterpret_cast<const SearchRequest*>(argument));
    case PaneSubCommand::Replace:
        return RunReplaceRequest(reinterpret_cast<const ReplaceRequest*>(argument));
    }
    AfterInteraction();
    return result;
}

} // namespace varnex
