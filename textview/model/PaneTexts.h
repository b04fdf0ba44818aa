// The text pane's own German texts (UTF-8).
#pragma once

#include <string_view>

namespace varnex {

inline constexpr std::string_view kInsertModeText = "Einf.";
inline constexpr std::string_view kOverwriteModeText = "Über.";
inline constexpr std::string_view kStatusLineText = " Zeile: ";
inline constexpr std::string_view kStatusColumnText = "  Spalte: ";
inline constexpr std::string_view kStatusColumnsSelected = "X:";
inline constexpr std::string_view kStatusLinesSelected = "Y:";

} // namespace varnex
