// The start record read from the command line, and the extension rule of the -D options.
#include "options/StartOptions.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace varnex {

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Text behind "-X:" for the colon forms; empty when the colon is missing.
bool ColonText(const std::string& argument, std::string& text) {
    if (argument.size() < 3 || argument[2] != ':') return false;
    text = argument.substr(3);
    return true;
}

void ApplyTypeMode(StartOptions& options, const std::string& argument) {
    static const std::map<char, CompareMode> modes{{'L', CompareMode::LineWise},
                                                   {'C', CompareMode::CharWise},
                                                   {'S', CompareMode::CharWiseNoBlanks}};
    if (argument.size() < 3) return;
    const auto found = modes.find(Upper(argument[2]));
    if (found != modes.end()) options.typeMode = found->second;
}

void ApplySend(StartOptions& options, const std::string& argument) {
    if (argument.size() == 2) {
        options.sendToDialog = true;
        options.expectSendFile = true;
        return;
    }
    std::string file;
    if (!ColonText(argument, file)) return;
    options.sendToDialog = true;
    options.sendFile = file;
}

void ApplyTitle(StartOptions& options, const std::string& argument, Side side) {
    std::string title;
    if (ColonText(argument, title) && !title.empty()) options.titles[IndexOf(side)] = title;
}

using OptionHandler = std::function<void(StartOptions&, const std::string&)>;

const std::map<char, OptionHandler>& OptionTable() {
    static const std::map<char, OptionHandler> table{
        {'L', [](StartOptions& o, const std::string&) { o.compareMode = CompareMode::LineWise; }},
        {'C', [](StartOptions& o, const std::string&) { o.compareMode = CompareMode::CharWise; }},
        {'S', [](StartOptions& o,
                 const std::string&) { o.compareMode = CompareMode::CharWiseNoBlanks; }},
        {'D', ApplyTypeMode},
        {'J', [](StartOptions& o, const std::string&) { o.jumpToFirst = true; }},
        {'N', [](StartOptions& o, const std::string&) { o.showTitles = false; }},
        {'H', [](StartOptions& o, const std::string&) { o.stacked = true; }},
        {'V', [](StartOptions& o, const std::string&) { o.stacked = false; }},
        {'0', ApplySend},
        {'1', [](StartOptions& o, const std::string& a) { ApplyTitle(o, a, Side::Left); }},
        {'2', [](StartOptions& o, const std::string& a) { ApplyTitle(o, a, Side::Right); }},
    };
    return table;
}

void ApplyOption(StartOptions& options, const std::string& argument) {
    if (argument.size() < 2) return;
    const auto found = OptionTable().find(Upper(argument[1]));
    if (found != OptionTable().end()) found->second(options, argument);
}

void ApplyPlain(StartOptions& options, const std::string& argument) {
    if (options.expectSendFile) {
        options.sendFile = argument;
        options.expectSendFile = false;
    } else if (options.fileCount < 2) {
        options.files[options.fileCount++] = argument;
    }
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

// The extension of a name, or nothing when the name has none.
bool ExtensionOf(const std::string& name, std::string& extension) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || IsSeparator(name[dot - 1])) return false;
    const auto separator =
        std::find_if(name.begin() + static_cast<long>(dot), name.end(), IsSeparator);
    if (separator != name.end()) return false;
    extension = name.substr(dot + 1);
    return true;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

} // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // A lone "-" names standard input, as for other console tools.
        if (argument.size() > 1 && argument[0] == '-') {
            ApplyOption(options, argument);
        } else {
            ApplyPlain(options, argument);
        }
    }
    return options;
}

bool MatchesDefaultTypes(const std::string& name, const std::string& list) {
    std::string extension;
    const bool hasExtension = ExtensionOf(name, extension);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string item = list.substr(start, end - start);
        if (hasExtension ? EqualNoCase(item, extension) : item.empty()) return true;
        if (end == list.size()) return false;
        start = end + 1;
    }
}

void ApplyDefaultTypes(StartOptions& options, const std::string& defaultTypes) {
    if (!options.typeMode || defaultTypes.empty()) return;
    const std::string* names[] = {&options.files[0], &options.files[1], &options.sendFile};
    const bool matches =
        std::any_of(std::begin(names), std::end(names), [&](const std::string* name) {
            return MatchesDefaultTypes(*name, defaultTypes);
        });
    if (matches) options.compareMode = *options.typeMode;
}

} // namespace varnex
