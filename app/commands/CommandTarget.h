// Something that commands are routed to: the view, the active pane, the frame, the application.
#pragma once

#include "engine/result/EngineCommand.h"
#include "res/CommandId.h"

namespace varnex {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Carries out command `id` while it is enabled; false when this target does not handle
    // it, so that the next target on the route gets it.
    virtual bool OnCommand(CommandId id) = 0;
    // Sets the enabled and checked state of `id`; false when this target does not handle it.
    virtual bool OnUpdateCommand(CommandId id, CommandState& state) = 0;
};

} // namespace varnex
