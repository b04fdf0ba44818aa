// The German string table: every text the program shows, looked up by id.
#pragma once

#include <string>

namespace varnex {

// UTF-8 text of `id`; empty when the table has none. For a command id the text is
// "prompt\ntool tip", as the status bar and tool tips split it.
const std::string& LoadString(int id);

// The status-bar prompt (before the line break) and the tool tip (after it) of a command.
std::string CommandPrompt(int id);
std::string CommandToolTip(int id);

} // namespace varnex
