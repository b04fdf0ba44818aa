// Passes a command along the route of targets (view, active pane, document, frame, application).
#pragma once

#include "app/commands/CommandTarget.h"

#include <functional>
#include <vector>

namespace varnex {

class CommandRouter {
public:
    // Yields the target of one stop on the route, or null when that stop has none right now
    // (the active pane changes, the document comes later).
    using TargetSource = std::function<CommandTarget*()>;

    void Append(TargetSource source) { route_.push_back(std::move(source)); }

    // The state the first target that knows `id` reports; disabled when none does.
    CommandState Query(CommandId id) const;
    // Hands `id` to the first target that takes it while the route reports it enabled, so a
    // key bound to a disabled command does nothing. True when it ran.
    bool Run(CommandId id) const;

private:
    std::vector<TargetSource> route_;
};

} // namespace varnex
