// The console tool's command line: the program's own options plus a few console switches.
#include "cli/DiffToolOptions.h"

#include <map>

namespace varnex {

namespace {

bool ApplyConsoleSwitch(DiffToolOptions& options, const std::string& argument) {
    static const std::map<std::string, void (*)(DiffToolOptions&)> switches{
        {"--help", [](DiffToolOptions& o) { o.help = true; }},
        {"--version", [](DiffToolOptions& o) { o.version = true; }},
        {"--dump", [](DiffToolOptions& o) { o.dump = true; }},
        {"--brief", [](DiffToolOptions& o) { o.brief = true; }},
        {"--color=auto", [](DiffToolOptions& o) { o.colour = ColourChoice::Auto; }},
        {"--color=always", [](DiffToolOptions& o) { o.colour = ColourChoice::Always; }},
        {"--color=never", [](DiffToolOptions& o) { o.colour = ColourChoice::Never; }},
        {"--encoding=auto", [](DiffToolOptions& o) { o.encoding = EncodingChoice::Automatic; }},
        {"--encoding=cp1252", [](DiffToolOptions& o) { o.encoding = EncodingChoice::Windows1252; }},
        {"--encoding=utf-8", [](DiffToolOptions& o) { o.encoding = EncodingChoice::Utf8; }},
    };
    const auto found = switches.find(argument);
    if (found == switches.end()) return false;
    found->second(options);
    return true;
}

// As ParseStartOptions reads it: a lone "-" is standard input, not an option.
bool IsPlain(const std::string& argument) {
    return argument.size() <= 1 || argument[0] != '-';
}

} // namespace

DiffToolOptions ParseDiffToolOptions(const std::vector<std::string>& arguments) {
    DiffToolOptions options;
    std::vector<std::string> rest;
    for (const std::string& argument : arguments) {
        if (argument == "-q") {
            options.brief = true;
        } else if (argument.rfind("--", 0) != 0 || argument == "--") {
            rest.push_back(argument);
        } else if (!ApplyConsoleSwitch(options, argument) && options.error.empty()) {
            options.error = argument;
        }
    }
    options.start = ParseStartOptions(rest);
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (IsPlain(rest[i])) options.operands.push_back(rest[i]);
    }
    return options;
}

} // namespace varnex
