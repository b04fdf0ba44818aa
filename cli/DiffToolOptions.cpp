// The console tool's command line: the program's own options plus a few console switches.
#include "cli/DiffToolOptions.h"

#include <map>

namespace varnex {

namespace {

bool ApplyConsoleSwitch(DiffToolOptions& options, const std::string& argument) {
    static const std::map<std::string, void (*)(DiffToolOptions&)> switches{
        {"--help", [](DiffToolOptions& o) { o.help = true; }},
        {"--dump", [](DiffToolOptions& o) { o.dump = true; }},
        {"--color=auto", [](DiffToolOptions& o) { o.colour = ColourChoice::Auto; }},
        {"--color=always", [](DiffToolOptions& o) { o.colour = ColourChoice::Always; }},
        {"--color=never", [](DiffToolOptions& o) { o.colour = ColourChoice::Never; }},
    };
    const auto found = switches.find(argument);
    if (found == switches.end()) return false;
    found->second(options);
    return true;
}

} // namespace

DiffToolOptions ParseDiffToolOptions(const std::vector<std::string>& arguments) {
    DiffToolOptions options;
    std::vector<std::string> rest;
    for (const std::string& argument : arguments) {
        if (argument.rfind("--", 0) != 0 || argument == "--") {
            rest.push_back(argument);
        } else if (!ApplyConsoleSwitch(options, argument) && options.error.empty()) {
            options.error = argument;
        }
    }
    options.start = ParseStartOptions(rest);
    return options;
}

const char* DiffToolUsage() {
    return "Aufruf: varnex-diff [Optionen] <Datei1> <Datei2>\n"
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
           "  --color=<wann>  Farben: auto (nur im Terminal), always oder never\n"
           "  --help          Diese Hilfe anzeigen\n"
           "  <Datei1>        Pfad für die erste Datei (- liest die Standardeingabe)\n"
           "  <Datei2>        Pfad für die zweite Datei\n"
           "\n"
           "Rückgabewert: 0 keine Unterschiede, 1 Unterschiede gefunden, 2 Fehler.\n"
           "Die Umgebungsvariable NO_COLOR schaltet die Farben ab.\n";
}

} // namespace varnex
