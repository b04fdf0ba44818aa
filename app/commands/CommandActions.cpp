// One QAction per command id, shared by menu and toolbar, kept enabled and checked by the route.
#include "app/commands/CommandActions.h"

#include "app/commands/MenuTable.h"
#include "app/commands/ShortcutTable.h"
#include "app/commands/ToolBarTable.h"
#include "res/StringTable.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>

#include <algorithm>

namespace varnex {

CommandActions::CommandActions(const CommandRouter& router, QObject* parent)
    : QObject(parent), router_(router) {}

QAction* CommandActions::Action(CommandId id) {
    if (QAction* action = Find(id)) return action;
    return actions_[id] = Make(id);
}

QAction* CommandActions::Find(CommandId id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

namespace {

// The command's first key, shown beside its tool tip: "Nächster (Alt+Down)".
QString WithShortcutHint(const QString& toolTip, CommandId id) {
    for (const ShortcutEntry& entry : MainShortcutTable()) {
        if (entry.id != id) continue;
        return toolTip + QStringLiteral(" (") +
               QKeySequence(entry.key).toString(QKeySequence::NativeText) + QLatin1Char(')');
    }
    return toolTip;
}

} // namespace

QAction* CommandActions::Make(CommandId id) {
    auto* action = new QAction(this);
    const QString toolTip = QString::fromStdString(CommandToolTip(id));
    action->setText(toolTip);
    if (!toolTip.isEmpty()) action->setToolTip(WithShortcutHint(toolTip, id));
    action->setStatusTip(QString::fromStdString(CommandPrompt(id)));
    action->setData(id);
    if (const char* icon = ToolBarIconOf(id)) action->setIcon(QIcon(QString::fromLatin1(icon)));
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    JoinRadioGroup(*action, id);
    return action;
}

// In an exclusive group the menu draws the checked entry with a radio mark.
void CommandActions::JoinRadioGroup(QAction& action, CommandId id) {
    const auto& groups = RadioGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (std::find(groups[g].begin(), groups[g].end(), id) == groups[g].end()) continue;
        QActionGroup*& group = radioGroups_[g];
        if (!group) group = new QActionGroup(this);
        group->addAction(&action);
    }
}

bool CommandActions::Run(CommandId id) {
    const bool ran = router_.Run(id);
    UpdateAll();
    return ran;
}

void CommandActions::UpdateAll() {
    for (const auto& [id, action] : actions_)
        Update(*action, id);
}

// Only a checked command shows a check mark; an unchecked one shows none, not an empty box.
void CommandActions::Update(QAction& action, CommandId id) {
    const CommandState state = router_.Query(id);
    action.setEnabled(state.enabled);
    action.setCheckable(state.checked);
    action.setChecked(state.checked);
}

} // namespace varnex
