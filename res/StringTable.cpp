// The German string table: every text the program shows, looked up by id.
#include "res/StringTable.h"

#include "res/StringId.h"

#include <unordered_map>

namespace varnex {

namespace {

const std::unordered_map<int, std::string>& Table() {
    static const std::unordered_map<int, std::string> table{
        {kStrReady, "Bereit"},
        {kStrNumLock, "NUM"},
        {kStrFirstFileFailed, "Die erste Datei %s konnte nicht geöffnet werden !"},
        {kStrSecondFileFailed, "Die zweite Datei %s konnte nicht geöffnet werden !"},
        {kStrUnknownError, "Unbekannter Fehler !"},
        {kStrFileNotComparable, "Die Datei %s existiert nicht zum Vergleichen !"},
        {kStrFileNotOpened, "Die Datei %s konnte nicht geöffnet werden !"},
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
        {kStrItemSyntax, "&Sysntax Info"},
        {kStrItemColourInfo, "&Farbinformationen"},
        {kStrOpenFilesCaption, "Dateien öffenen"},
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
        {kStrHelpRowFirst + 4, "-N\nKeine Tilel anzeigen"},
        {kStrHelpRowFirst + 5, "-H\nHorizontale Teilung"},
        {kStrHelpRowFirst + 6, "-V\nVertikale Teilung"},
        {kStrHelpRowFirst + 7, "-0:<file>\nDatei an Öffnendialog senden"},
        {kStrHelpRowFirst + 8, "-1:<text>\nTitel für die erste Datei"},
        {kStrHelpRowFirst + 9, "-2:<text>\nTitel für die zweite Datei"},
        {kStrHelpRowFirst + 10, "<file1>\nPfad für die erste Datei"},
        {kStrHelpRowFirst + 11, "<file2>\nPfad für die zweite Datei"},
        {kStrColourInfoCaption, "Information"},
        {kStrColourGroup, "Farbdarstellung"},
        {kStrColourInserted, "Teile die in der rechten Datei eingefügt wurden."},
        {kStrColourRemoved, "Teile die in der linken Datei entfernt wurden."},
        {kStrColourChanged, "Teile die in beiden Dateien geändert wurden."},
        {kStrColourPlaceholder, "Platzhalterzeilen."},
        {kStrAboutCaption, "Info über Varnex"},
        {kStrAboutVersion, "Version %s"},
        {kStrAboutDescription, "Vergleicht zwei Textdateien und zeigt ihre Unterschiede farbig an."},
        {57601, "Öffnet ein bestehendes Dokument.\nÖffnen"},
        {57665, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
        {57634, "Kopiert die Markierung und überträgt sie in die Zwischenablage.\nKopieren"},
        {57636, "Sucht den angegebenen Text.\nSuchen"},
        {32771, "Suche weiter nach dem vorherigen Ausdruck\nWeitersuchen"},
        {40010, "Nach dem gerade markierten Bereich suchen.\nBereich suchen"},
        {40011, "Den gesamten Text markieren\nAlles markieren"},
        {32783, "Die Schriftart einstellen."},
        {40006, "Anzeige Modus der Textfenster einstellen\nHorizontale Teilung"},
        {40021, "Stellt ein ob die Infozeile ganz oder teilweise angezeit werden soll.\n"
                "Infozeilenmodus"},
        {40023, "Stellt den Vergleichsmodus auf zeilenweise\nZeilenweise"},
        {40024, "Stellt den Vergleichsmodus auf zeichenweise\nZeichenweise"},
        {40025, "Stellt den Vergleichsmodus auf zeichenweise ohne Leerstellen\nOhne Leerstellen"},
        {40014, "Zum ersten geänderten Bereich springen.\nGanz zurück"},
        {40017, "Zum vorherigen geänderten Bereich springen.\nZurück"},
        {40018, "Zum aktuellen geänderten Bereich springen.\nAktueller Bereich"},
        {40015, "Zum nächten geänderten Bereich springen.\nNächster"},
        {40020, "Zum letzen geänderten Bereich springen.\nLetzter Bereich"},
        {40026, "Läd die beiden Dateien neu.\nReload"},
        {32794, "Schaltet zwischen dem hervorgehobenen und flachen Stil um.\nFlache Symbolleiste"},
        {40028, "Fixiert das Fenster immer im Vordergrind\nFenster fixieren"},
        {59392, "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten"},
        {59393, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
        {kStrAboutPrompt, "Zeigt Programminformationen, Versionsnummer und Copyright an.\nInfo"},
        {57670, "Zeigt eine Hilfe für die Aufrufparameter an.\nSysntax Info"},
        {40022, "Zeigt Infos über die Farbdarstellung an.\nFarbinformationen"},
        {57680, "Wechselt zum nächsten Fensterausschnitt.\nNächster Ausschnitt"},
        {35078, "Pfad kopieren"},
        {35079, "Editor starten"},
        {57681, "Springt zum vorherigen Fensterausschnitt zurück.\nVorheriger Ausschnitt"},
    };
    return table;
}

} // namespace

const std::string& LoadString(int id) {
    static const std::string none;
    const auto found = Table().find(id);
    return found == Table().end() ? none : found->second;
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
