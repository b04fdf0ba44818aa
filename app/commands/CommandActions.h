// One QAction per command id, shared by menu and toolbar, kept enabled and checked by the route.
#pragma once

#include "app/commands/CommandRouter.h"

#include <QObject>

#include <map>

class QAction;
class QActionGroup;

namespace varnex {

class CommandActions : public QObject {
    Q_OBJECT

public:
    CommandActions(const CommandRouter& router, QObject* parent = nullptr);

    // The action of `id`, made on first use with its tool tip, status-bar prompt and toolbar
    // image; triggering it runs the command.
    QAction* Action(CommandId id);
    // The action of `id` if one was made.
    QAction* Find(CommandId id) const;

    // Runs `id` through the route and then brings every action up to date, since a command
    // may change what others may do.
    bool Run(CommandId id);
    // Sets every action's enabled and checked state as the route reports it.
    void UpdateAll();
    void Update(QAction& action, CommandId id);

private:
    QAction* Make(CommandId id);
    void JoinRadioGroup(QAction& action, CommandId id);

    const CommandRouter& router_;
    std::map<CommandId, QAction*> actions_;
    std::map<std::size_t, QActionGroup*> radioGroups_; // by index in RadioGroups()
};

} // namespace varnex
