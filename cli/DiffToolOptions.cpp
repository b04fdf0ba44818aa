// The console tool's command line: the program's own options plus a few console switches.
#include "cli/DiffToolOptions.h"

#include <charconv>
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

// "all" or a count of rows; false for anything else.
bool ApplyContext(DiffToolOptions& options, std::string_view value) {
    options.contextGiven = true;
    if (value == "all") {
        options.context.reset();
        return true;
    }
    int rows = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), rows);
    if (error != std::errc() || end != value.data() + value.size() || rows < 0) return false;
    options.context = rows;
    return true;
}

// The value of "-U N", "-UN" or "--context=N" at `i` (stepping past a separate value); an
// empty value for a "-U" without one.
std::optional<std::string_view> ContextValue(const std::vector<std::string>& arguments,
                                             std::size_t& i) {
    constexpr std::string_view kContext = "--context=";
    const std::string_view argument = arguments[i];
    if (argument == "-U") return i + 1 < arguments.size() ? arguments[++i] : std::string_view();
    if (argument.starts_with("-U")) return argument.substr(2);
    if (argument.starts_with(kContext)) return argument.substr(kContext.size());
    return std::nullopt;
}

// As ParseStartOptions reads it: a lone "-" is standard input, not an option.
bool IsPlain(const std::string& argument) {
    return argument.size() <= 1 || argument[0] != '-';
}

} // namespace

DiffToolOptions ParseDiffToolOptions(const std::vector<std::string>& arguments) {
    DiffToolOptions options;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (const std::optional<std::string_view> context = ContextValue(arguments, i)) {
            if (!ApplyContext(options, *context) && options.error.empty()) options.error = argument;
        } else if (argument == "-q") {
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
