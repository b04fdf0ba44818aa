// Passes a command along the route of targets (view, active pane, document, frame, application).
#include "app/commands/CommandRouter.h"

namespace varnex {

CommandState CommandRouter::Query(CommandId id) const {
    for (const TargetSource& source : route_) {
        CommandTarget* target = source();
        CommandState state;
        if (target && target->OnUpdateCommand(id, state)) return state;
    }
    return {};
}

bool CommandRouter::Run(CommandId id) const {
    if (!Query(id).enabled) return false;
    for (const TargetSource& source : route_) {
        CommandTarget* target = source();
        if (target && target->OnCommand(id)) return true;
    }
    return false;
}

} // namespace varnex
