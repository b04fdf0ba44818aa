// Where a text pane keeps its font, colours and editor options in the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

// The pane's path buffer holds this many bytes with its terminator; a longer path is cut
// before the first part that does not fit.
inline constexpr std::size_t kPanePathBufferSize = 1024;

// Font and colours: the settings path when one was given, else the section (without a
// trailing backslash), a backslash and the pane group's resource name.
std::string PaneStylePath(std::optional<std::string_view> settingsPath, std::string_view section,
                          std::string_view resourceName);

// Editor options: for a name beginning with "#" the rest of the name; else the settings path
// (without one "Software\<registry key>\<profile name>"), then a backslash and the name when
// the name is not empty.
std::string EditorOptionsPath(std::string_view name, std::optional<std::string_view> settingsPath,
                              std::string_view registryKey, std::string_view profileName);

} // namespace varnex
