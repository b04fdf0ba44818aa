// The German string table: every text the program shows, looked up by id.
#include "res/StringTable.h"

#include "res/CommandId.h"
#include "res/StringId.h"

#include <unordered_map>

namespace varnex {

namespace {

const std::unordered_map<int, std::string>& Table() {
    static const std::unordered_map<int, std::string> table{
        {kStrReady, "Bereit"},
        {kStrNumLock, "NUM"},
        {kStrNoDifferences, "Keine Unterschiede gefunden"},
        {kStrComparing, "Vergleiche %s mit %s ..."},
        {kStrCancelCompare, "Abbrechen"},
        {kStrCompareCancelled, "Vergleich abgebrochen"},
        {kStrOnlyLineEndsDiffer, "Die Dateien unterscheiden sich nur in den Zeilenenden."},
        {kStrOnlyEncodingDiffers, "Die Dateien unterscheiden sich nur im Zeichensatz."},
        {kStrOnlyEncodingAndLineEndsDiffer,
         "Die Dateien unterscheiden sich nur im Zeichensatz und in den Zeilenenden."},
        {kStrMixedLineEnds, "gemischte Zeilenenden"},
        {kStrRowEqual, "gleich"},
        {kStrRowInserted, "eingefügt"},
        {kStrRowRemoved, "entfernt"},
        {kStrRowChanged, "geändert"},
        {kStrRowPlaceholder, "Platzhalter"},
        {kStrRowOfLine, "%s, Zeile %s"},
        {kStrBlockOfLine, "Unterschied %s von %s, Zeile %s"},
        {kStrBlockOfLines, "Unterschied %s von %s, Zeilen %s–%s"},
        {kStrOverviewBarName, "Übersicht der Unterschiede"},
        {kStrFileTooLarge,
         "Die Datei %s ist größer als 2147483646 Bytes und wird nicht verglichen !"},
        {kStrFileExceedsMemory,
         "Die Datei %s ist zu groß für den freien Speicher und wird nicht verglichen !"},
        {kStrDropNeedsTwoFiles,
         "Zum Vergleichen zwei Dateien ablegen oder eine Datei auf einer Seite !"},
        {kStrDropNotLocal, "Nur Dateien auf diesem Rechner können verglichen werden !"},
        {kStrDropNotAFile, "%s ist keine Datei und kann nicht verglichen werden !"},
        {kStrDropTooManyFiles, "Es können nur zwei Dateien verglichen werden !"},
        {kStrFileChangedOnDisk, "Die Datei %s wurde geändert."},
        {kStrFileDeletedOnDisk, "Die Datei %s wurde gelöscht."},
        {kStrReloadChanged, "Neu laden"},
        {kStrFirstFileFailed, "Die erste Datei %s konnte nicht geöffnet werden !"},
        {kStrSecondFileFailed, "Die zweite Datei %s konnte nicht geöffnet werden !"},
        {kStrFileNotComparable, "Die Datei %s existiert nicht zum Vergleichen !"},
        {kStrFileNotOpened, "Die Datei %s konnte nicht geöffnet werden !"},
        // "zuviele" and "angezeig" as the program has always shown them.
        {kStrTooManyRows, "Es sind zuviele Zeilen vorhanden !\nEs wird nur ein Teil angezeig."},
        {kStrCaptionError, "Fehler"},
        {kStrCaptionWarning, "Warnung"},
        {kStrStatusPosition, " Zeile: %i  Spalte: %i"},
        {kStrStatusDistance, " (%i)"},
        {kStrAppTitle, "Varnex"},
        {kStrMenuFile, "&Datei"},
        {kStrMenuEdit, "&Bearbeiten"},
        {kStrMenuView, "&Ansicht"},
        {kStrMenuHelp, "&?"},
        {kStrItemOpen, "Ö&ffnen...\tStrg+O"},
        {kStrItemExit, "&Beenden"},
        {kStrItemCopy, "&Kopieren\tStrg+C"},
        {kStrItemFindNext, "&Weitersuchen\tF3"},
        {kStrItemFind, "&Suchen\tShift+F3"},
        {kStrItemFindSelected, "&Bereich suchen\tStrg+F3"},
        {kStrItemSelectAll, "&Alles markieren"},
        {kStrItemFont, "Sch&rift einstellen\tStrg+S"},
        {kStrItemViewOptions, "Anzeige Optionen"},
        {kStrItemSplit, "Horizontale Teilung"},
        {kStrItemBarMode, "Infozeilenmodus"},
        {kStrItemLineWise, "Zeilenweise"},
        {kStrItemCharWise, "Zeichenweise"},
        {kStrItemNoBlanks, "Ohne Leerstellen"},
        {kStrItemFlatToolBar, "Flache Symbolleiste"},
        {kStrItemOnTop, "Fenster fi&xieren"},
        {kStrItemToolBar, "&Symbolleiste"},
        {kStrItemStatusBar, "S&tatusleiste"},
        {kStrItemAbout, "Inf&o über Varnex"},
        {kStrItemSyntax, "&Sysntax Info"}, // spelled so on purpose, as the menu always was
        {kStrItemColourInfo, "&Farbinformationen"},
        {kStrItemEncodingAutomatic, "Zeichensatz: &automatisch"},
        {kStrItemEncodingWindows1252, "&Windows-1252"},
        {kStrItemEncodingUtf8, "&UTF-8"},
        {kStrOpenFilesCaption,
         "Dateien öffenen"}, // spelled so on purpose, as the caption always was
        {kStrFirstFile, "Erste Datei:"},
        {kStrSecondFile, "Zweite Datei:"},
        {kStrCompareModeGroup, "Vergleichsmodus"},
        {kStrLineWiseMode, "Zeilenweise vergleichen"},
        {kStrCharWiseMode, "Zeichenweise vergleichen"},
        {kStrNoBlanksMode, "Zeichenweise ohne Leerstellen"},
        {kStrOk, "OK"},
        {kStrCancel, "Abbrechen"},
        {kStrAllFilesFilter, "Alle Dateien (*)"},
        {kStrHelpCaption, "Hilfe"},
        {kStrHelpHeading, "Aufrufparameter:"},
        {kStrHelpRowFirst + 0, "-C\nZeichenweise vergleichen"},
        {kStrHelpRowFirst + 1, "-L\nZeilenweise vergleichen"},
        {kStrHelpRowFirst + 2, "-S\nOhne Leerstellen vergleichen"},
        {kStrHelpRowFirst + 3, "-J\nZum ersten Unterschied springen"},
        {kStrHelpRowFirst + 4, "-N\nKeine Tilel anzeigen"}, // "Tilel" as it always read
        {kStrHelpRowFirst + 5, "-H\nHorizontale Teilung"},
        {kStrHelpRowFirst + 6, "-V\nVertikale Teilung"},
        {kStrHelpRowFirst + 7, "-0:<file>\nDatei an Öffnendialog senden"},
        {kStrHelpRowFirst + 8, "-1:<text>\nTitel für die erste Datei"},
        {kStrHelpRowFirst + 9, "-2:<text>\nTitel für die zweite Datei"},
        {kStrHelpRowFirst + 10, "<file1>\nPfad für die erste Datei"},
        {kStrHelpRowFirst + 11, "<file2>\nPfad für die zweite Datei"},
        {kStrAppUsage, "Aufruf: varnex [Optionen] [<file1> <file2>]"},
        {kStrHelpTypeModes, "-DL, -DC, -DS\n-L, -C, -S nur für Dateitypen aus DefaultTypes"},
        {kStrHelpLongHelp, "--help\nDiese Hilfe anzeigen"},
        {kStrHelpLongVersion, "--version\nVersionsnummer anzeigen"},
        {kStrColourInfoCaption, "Information"},
        {kStrColourGroup, "Farbdarstellung"},
        {kStrColourInserted, "Teile die in der rechten Datei eingefügt wurden."},
        {kStrColourRemoved, "Teile die in der linken Datei entfernt wurden."},
        {kStrColourChanged, "Teile die in beiden Dateien geändert wurden."},
        {kStrColourPlaceholder, "Platzhalterzeilen."},
        {kStrAboutCaption, "Info über Varnex"},
        {kStrAboutVersion, "Version %s"},
        {kStrAboutDescription,
         "Vergleicht zwei Textdateien und zeigt ihre Unterschiede farbig an."},
        {kStrDiffToolUsage,
         "Aufruf: varnex-diff [Optionen] <Datei1> <Datei2>\n"
         "\n"
         "Vergleicht zwei Textdateien und zeigt sie nebeneinander an.\n"
         "\n"
         "Aufrufparameter:\n"
         "  -C              Zeichenweise vergleichen (Voreinstellung)\n"
         "  -L              Zeilenweise vergleichen\n"
         "  -S              Ohne Leerstellen vergleichen\n"
         "  -1:<text>       Titel für die erste Datei\n"
         "  -2:<text>       Titel für die zweite Datei\n"
         "  --dump          Vergleichsergebnis in der kanonischen Textform ausgeben\n"
         "  -q, --brief     Nur melden, ob die Dateien verschieden sind\n"
         "  -U<n>, --context=<n>\n"
         "                  Nur Unterschiede mit n gleichen Zeilen davor und danach\n"
         "                  zeigen; --context=all zeigt alle Zeilen (Voreinstellung,\n"
         "                  außer als externes Diff von git: dort 3)\n"
         "  --color=<wann>  Farben: auto (nur im Terminal), always oder never\n"
         "  --encoding=<z>  Zeichensatz der Dateien: auto, cp1252 oder utf-8. auto zeigt\n"
         "                  eine Datei als UTF-8, wenn sie mit einer Bytereihenfolge-\n"
         "                  Marke beginnt oder gültige UTF-8-Zeichen und höchstens\n"
         "                  vereinzelte ungültige Bytes enthält (eins, oder eins je\n"
         "                  1000 Nicht-ASCII-Bytes, nie zwei nebeneinander), sonst als\n"
         "                  Windows-1252. Ungültige Bytes erscheinen als ihr\n"
         "                  Windows-1252-Zeichen, im Terminal invertiert.\n"
         "  --help          Diese Hilfe anzeigen\n"
         "  --version       Versionsnummer anzeigen\n"
         "  <Datei1>        Pfad für die erste Datei (- liest die Standardeingabe)\n"
         "  <Datei2>        Pfad für die zweite Datei\n"
         "\n"
         "Rückgabewert: 0 keine Unterschiede, 1 Unterschiede gefunden, 2 Fehler.\n"
         "Eine nicht leere Umgebungsvariable NO_COLOR schaltet die Farben von\n"
         "--color=auto ab.\n"
         "Als externes Diff von git (GIT_EXTERNAL_DIFF) gilt: 0 verglichen, 2 Fehler.\n"},
        {kStrUnknownOption, "Unbekannte Option: %s"},
        {kStrGitUnmergedPath, "* Nicht zusammengeführt: %s"},
        {kStrFilesDiffer, "Die Dateien %s und %s sind verschieden."},
        {kStrStretchStart, "··· ab Zeile %s"},
        {kCmdOpen, "Öffnet ein bestehendes Dokument.\nÖffnen"},
        {kCmdExit,
         "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
        {kCmdCopy, "Kopiert die Markierung und überträgt sie in die Zwischenablage.\nKopieren"},
        {kCmdFind, "Sucht den angegebenen Text.\nSuchen"},
        {kCmdFindNext, "Suche weiter nach dem vorherigen Ausdruck\nWeitersuchen"},
        {kCmdFindSelected, "Nach dem gerade markierten Bereich suchen.\nBereich suchen"},
        {kCmdSelectAll, "Den gesamten Text markieren\nAlles markieren"},
        {kCmdFont, "Die Schriftart einstellen."},
        {kCmdToggleViewMode, "Anzeige Modus der Textfenster einstellen\nHorizontale Teilung"},
        // "angezeit" as the prompt always read.
        {kCmdToggleBarMode,
         "Stellt ein ob die Infozeile ganz oder teilweise angezeit werden soll.\n"
         "Infozeilenmodus"},
        {kCmdLineWise, "Stellt den Vergleichsmodus auf zeilenweise\nZeilenweise"},
        {kCmdCharWise, "Stellt den Vergleichsmodus auf zeichenweise\nZeichenweise"},
        {kCmdEncodingAutomatic,
         "Zeigt jede Datei als UTF-8, wenn sie so aussieht, sonst als Windows-1252\nZeichensatz "
         "automatisch"},
        {kCmdEncodingWindows1252, "Zeigt jedes Byte als Windows-1252-Zeichen\nWindows-1252"},
        {kCmdEncodingUtf8, "Zeigt die Dateien als UTF-8-Text\nUTF-8"},
        {kCmdCharWiseNoBlanks,
         "Stellt den Vergleichsmodus auf zeichenweise ohne Leerstellen\nOhne Leerstellen"},
        {kCmdFirstBlock, "Zum ersten geänderten Bereich springen.\nGanz zurück"},
        {kCmdPreviousBlock, "Zum vorherigen geänderten Bereich springen.\nZurück"},
        {kCmdCurrentBlock, "Zum aktuellen geänderten Bereich springen.\nAktueller Bereich"},
        // "nächten" and "letzen" as the prompts always read.
        {kCmdNextBlock, "Zum nächten geänderten Bereich springen.\nNächster"},
        {kCmdLastBlock, "Zum letzen geänderten Bereich springen.\nLetzter Bereich"},
        // "Läd" and "Vordergrind" as the prompts always read.
        {kCmdReload, "Läd die beiden Dateien neu.\nReload"},
        {kCmdFlatToolBar,
         "Schaltet zwischen dem hervorgehobenen und flachen Stil um.\nFlache Symbolleiste"},
        {kCmdAlwaysOnTop, "Fixiert das Fenster immer im Vordergrind\nFenster fixieren"},
        {kCmdToggleToolBar,
         "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten"},
        {kCmdToggleStatusBar,
         "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
        {kCmdAbout, "Zeigt Programminformationen, Versionsnummer und Copyright an.\nInfo"},
        {kCmdHelpSyntax, "Zeigt eine Hilfe für die Aufrufparameter an.\nSysntax Info"},
        {kCmdColourInfo, "Zeigt Infos über die Farbdarstellung an.\nFarbinformationen"},
        {kCmdNextPane, "Wechselt zum nächsten Fensterausschnitt.\nNächster Ausschnitt"},
        {kCmdCopyPath, "Pfad kopieren"},
        {kCmdStartEditor, "Editor starten"},
        {kCmdPreviousPane,
         "Springt zum vorherigen Fensterausschnitt zurück.\nVorheriger Ausschnitt"},
    };
    return table;
}

} // namespace

const std::string& LoadString(int id) {
    static const std::string none;
    const auto found = Table().find(id);
    return found == Table().end() ? none : found->second;
}

std::string FormatString(int id, std::initializer_list<std::string_view> values) {
    std::string text = LoadString(id);
    std::size_t from = 0;
    for (const std::string_view value : values) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}

std::string CommandPrompt(int id) {
    const std::string& text = LoadString(id);
    return text.substr(0, text.find('\n'));
}

std::string CommandToolTip(int id) {
    const std::string& text = LoadString(id);
    const std::size_t lineBreak = text.find('\n');
    return lineBreak == std::string::npos ? std::string() : text.substr(lineBreak + 1);
}

} // namespace varnex
