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
// The font chooser: caption, fields and the sample it shows.
inline constexpr std::string_view kFontDialogCaption = "Schrift einstellen";
inline constexpr std::string_view kFontFaceLabel = "&Schriftart:";
inline constexpr std::string_view kFontSizeLabel = "&Größe (Punkt):";
inline constexpr std::string_view kFontSampleGroup = "Beispiel";
inline constexpr std::string_view kFontSampleText = "AaBbYyZz 0123 {}[]() äöüß";

// The find and replace dialogs.
inline constexpr std::string_view kFindCaption = "Text suchen";
inline constexpr std::string_view kReplaceCaption = "Ändern";
inline constexpr std::string_view kSearchForLabel = "Suche Nach :";
inline constexpr std::string_view kReplaceWithLabel = "Ändern in :";
inline constexpr std::string_view kIgnoreCaseText = "&Groß/Kleinschreibung ignorieren";
inline constexpr std::string_view kWholeTextText = "Gesamten &Text durchsuchen";
inline constexpr std::string_view kWholeWordsText = "Ganze &Wörter suchen";
inline constexpr std::string_view kRegexText = "&Regulärer Ausdruck";
inline constexpr std::string_view kHighlightText = "Wort hervorheben";
inline constexpr std::string_view kDirectionGroup = "Richtung";
inline constexpr std::string_view kFindBackwardText = "&Rückwärts";
inline constexpr std::string_view kFindForwardText = "&Vorwärts";
inline constexpr std::string_view kReplaceBackwardText = "Au&fwärts";
inline constexpr std::string_view kReplaceForwardText = "A&bwärts";
inline constexpr std::string_view kReplaceInGroup = "Ersetzen in";
inline constexpr std::string_view kWholeFileText = "Gesamte Datei";
inline constexpr std::string_view kSelectionText = "Auswahl";
inline constexpr std::string_view kOkText = "OK";
inline constexpr std::string_view kCancelText = "Abbrechen";
inline constexpr std::string_view kFindNextText = "Weiter&suchen";
inline constexpr std::string_view kReplaceAllText = "&Alles ändern";
inline constexpr std::string_view kConfirmCaption = "Text ändern ?";
inline constexpr std::string_view kConfirmText = "Text wurde gefunden, jetzt ändern ?";
inline constexpr std::string_view kYesText = "Ja";
inline constexpr std::string_view kNoText = "Nein";
inline constexpr std::string_view kNotFoundText = "Text wurde nicht gefunden !";
// Two blanks around the number and five at the end, as the message always read.
inline constexpr std::string_view kReplacedText = "Es wurden  %i  Änderung(en) durchgeführt !     ";
inline constexpr std::string_view kBadPatternText = "Ungültiger regulärer Ausdruck (Position %i)";

// A font or colour choice the settings file could not take: %1 the file, %2 the reason.
inline constexpr std::string_view kErrorCaption = "Fehler";
inline constexpr std::string_view kSettingsNotSavedText =
    "Die Einstellungen konnten nicht in %1 gespeichert werden:\n%2\n"
    "Sie gelten nur, bis das Programm beendet wird.";

// The options dialog.
inline constexpr std::string_view kOptionsCaption = "Konfiguration";
inline constexpr std::string_view kTabWidthLabel = "Tabulator-Breite";
inline constexpr std::string_view kMiscGroup = "Diverse Einstellungen";
inline constexpr std::string_view kWordJumpGroup = "Wortsprünge mit Strg+Links/Rechts";
inline constexpr std::string_view kWordMarkingGroup = "Wortmarkierungen";
inline constexpr std::string_view kTabWidthRangeText = "Tabulator muss zwischen 1 und 32 liegen !";

// The pattern menu of the find and replace dialogs, and the tool tip of the button that opens it.
inline constexpr std::string_view kPatternButtonTip = "Suchmuster einfügen";
inline constexpr std::string_view kPatternAnyRunText = "Beliebige  Zeichen&folge"; // two blanks
inline constexpr std::string_view kPatternWordText = "&Wort";
inline constexpr std::string_view kPatternNumberText = "&Zahl";
inline constexpr std::string_view kPatternSpaceText = "&Leerraum";
inline constexpr std::string_view kPatternSpaceOrNoneText = "Leer&raum oder (null)";
inline constexpr std::string_view kPatternLineStartText = "Zeilen&anfang";
inline constexpr std::string_view kPatternLineEndText = "Zeilen&ende";
inline constexpr std::string_view kPatternWordEndText = "Wortende";
inline constexpr std::string_view kPatternWordStartText = "Wortanfang";
inline constexpr std::string_view kPatternCharSetText = "Zeichen Aus&wahl";
inline constexpr std::string_view kPatternCharSetOrNoneText = "Zeichen Auswahl oder (null)";
inline constexpr std::string_view kPatternStringSetText = "Zeichenketten Auswahl";
inline constexpr std::string_view kPatternStringsWithoutText = "Zeichenketten ohne |...|";
inline constexpr std::string_view kPatternCharNotInText = "Zeichen nicht aus {...}";
inline constexpr std::string_view kPatternStrwlenText = "Text via strwlen oder (null)";
inline constexpr std::string_view kPatternStrwcharText = "Zeichen via strwchar";
inline constexpr std::string_view kPatternStrwcharOrNoneText = "Zeichen via strwchar oder (null)";
inline constexpr std::string_view kPatternAnyCharText = "Beliebiges &Zeichen";
inline constexpr std::string_view kPatternLetterText = "Buchstabe";
inline constexpr std::string_view kPatternDigitText = "Einzelne Zahl";
inline constexpr std::string_view kPatternDigitOrLetterText = "Zahl oder Buchstabe";

// The options dialog's check boxes and word marking modes.
inline constexpr std::string_view kVirtualDisplayText = "&Virtuelle Darstellung";
inline constexpr std::string_view kLineSelectionText = "&Linienweise markieren";
inline constexpr std::string_view kInsertBeforeCaretText = "Vor &Cursor einfügen";
inline constexpr std::string_view kBracketSearchText = "Nach Klammern suchen";
inline constexpr std::string_view kMarkToLineEndText = "Marken bis zum Zeilenende";
inline constexpr std::string_view kLineNumbersText = "Zeilennummern anzeigen";
inline constexpr std::string_view kBracketRangeText = "Klammern bereichsweise markieren";
inline constexpr std::string_view kStopAtOthersText = "Auch diversen Zeichen anhalten";
inline constexpr std::string_view kStopAtRunStartText = "Nur am Beginn eines Bereichs anhalten";
inline constexpr std::string_view kStopAtCaseChangeText = "Auch Groß/Kleinübergängen anhalten";
inline constexpr std::string_view kUnderscoreSeparatesText =
    "Das '_' nicht als Buchstaben betrachten";
inline constexpr std::string_view kNoWordMarkingText = "Keine Worte markieren";
// The typo and the trailing blank are kept, as the option always read.
inline constexpr std::string_view kCaretWordMarkingText = "Das Wort beim Cursor makieren ";
inline constexpr std::string_view kSelectedWordMarkingText = "Nur ausgewählte Worte markieren";

// The colours dialog.
inline constexpr std::string_view kColoursCaption = "Farben einstellen";
inline constexpr std::string_view kBoldText = "Fett";
inline constexpr std::string_view kItalicText = "Kursiv";
inline constexpr std::string_view kUnderlineText = "Unterstreichen";
inline constexpr std::string_view kCurrentFormatOnlyText = "Nur für aktelles Format"; // as it read
inline constexpr std::string_view kBackgroundGroup = "Hintergrundfarbe";
inline constexpr std::string_view kTextColourGroup = "Textfarbe";
// The two buttons have always been spelt differently.
inline constexpr std::string_view kDefineBackgroundText = "Farbe defienieren";
inline constexpr std::string_view kDefineTextColourText = "Farbe definieren";
inline constexpr std::string_view kColourPreviewText = "AbcXyz";
// The list of styles shows no label; a screen reader names it so.
inline constexpr std::string_view kStyleListName = "Stile";
// A style without a name is listed by its id.
inline constexpr std::string_view kUnnamedStyleText = "Stil %i";

} // namespace varnex
