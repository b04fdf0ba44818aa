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

// The pane's context menu.
inline constexpr std::string_view kMenuCut = "&Ausschneiden";
inline constexpr std::string_view kMenuCopy = "&Kopieren";
inline constexpr std::string_view kMenuCopyWord = "&Kopiere Wort";
inline constexpr std::string_view kMenuPaste = "&Einfügen";
inline constexpr std::string_view kMenuClear = "&Löschen";
inline constexpr std::string_view kMenuFind = "&Suchen";
inline constexpr std::string_view kMenuReplace = "&Erset&zen"; // two ampersands, as it always read
inline constexpr std::string_view kMenuOptions = "&Einstellungen";
inline constexpr std::string_view kMenuColours = "&Farben einstellen";
inline constexpr std::string_view kMenuFonts = "Schri&ften einstellen";

} // namespace varnex
