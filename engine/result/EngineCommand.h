// The commands whose enabling and checking depend on the comparison's state.
#pragma once

namespace varnex {

enum class EngineCommandId : int {
    FirstBlock = 40014,
    NextBlock = 40015,
    PreviousBlock = 40017,
    CurrentBlock = 40018,
    LastBlock = 40020,
    LineWise = 40023,
    CharWise = 40024,
    CharWiseNoBlanks = 40025,
    Reload = 40026,
};

struct CommandState {
    bool enabled = false;
    bool checked = false;
};

} // namespace varnex
