// The German string table: every text the program shows, looked up by id.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace varnex {

// UTF-8 text of `id`; empty when the table has none. For a command id the text is
// "prompt\ntool tip", as the status bar and tool tips split it.
const std::string& LoadString(int id);

// The text of `id` with `values` in place of its "%s" marks, in order. A value is never
// searched for marks itself, so a path holding "%s" stays as it is.
std::string FormatString(int id, std::initializer_list<std::string_view> values);

// The status-bar prompt (before the line break) and the tool tip (after it) of a command.
std::string CommandPrompt(int id);
std::string CommandToolTip(int id);

} // namespace varnex
