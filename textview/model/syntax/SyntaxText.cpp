// Reading a syntax configuration from the texts of its values (docs/SYNTAX.md).
#include "textview/model/syntax/SyntaxText.h"

#include <algorithm>
#include <charconv>

namespace varnex {

namespace {

constexpr std::string_view kDefaultLetters = "A-Za-z_";
constexpr std::string_view kDigits = "0-9";
constexpr std::string_view kEscapeOption = "escape=";
constexpr std::array<std::string_view, kTokenClassCount> kClassNames = {
    "text",    "comment", "string", "number", "preprocessor", "operator",
    "bracket", "group1",  "group2", "group3", "group4",       "group5"};

using Tokens = std::vector<std::string_view>;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

// Rules are blank-separated tokens; a "|" token or a zero byte ends a rule.
std::vector<Tokens> SplitRules(std::string_view text) {
    std::vector<Tokens> rules(1);
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\0') {
            rules.emplace_back();
            ++at;
            continue;
        }
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && text[end] != '\0' && !IsBlank(text[end]))
            ++end;
        const std::string_view token = text.substr(at, end - at);
        if (token == "|") {
            rules.emplace_back();
        } else {
            rules.back().push_back(token);
        }
        at = end;
    }
    std::erase_if(rules, [](const Tokens& rule) { return rule.empty(); });
    return rules;
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    for (const Tokens& rule : SplitRules(text)) {
        for (const std::string_view word : rule) {
            if (word != "|") words.emplace_back(word);
        }
    }
    return words;
}

// Reads the options after a region's delimiters; false for an option it does not know.
bool ReadRegionOption(std::string_view option, RegionRule& rule) {
    if (option == "lines") {
        rule.spansLines = true;
    } else if (option == "blank") {
        rule.where = RegionStart::AfterBlank;
    } else if (option.starts_with(kEscapeOption) && option.size() == kEscapeOption.size() + 1) {
        rule.escape = static_cast<std::uint8_t>(option.back());
    } else {
        return false;
    }
    return true;
}

bool IsRegionOption(std::string_view token) {
    RegionRule scratch;
    return ReadRegionOption(token, scratch);
}

std::optional<RegionRule> ParseRegionRule(const Tokens& tokens) {
    if (tokens.size() < 2) return std::nullopt;
    const std::optional<TokenClass> tokenClass = TokenClassNamed(tokens[0]);
    if (!tokenClass) return std::nullopt;
    RegionRule rule;
    rule.tokenClass = *tokenClass;
    rule.start = tokens[1];
    std::size_t next = 2;
    if (next < tokens.size() && !IsRegionOption(tokens[next])) rule.end = tokens[next++];
    for (; next < tokens.size(); ++next) {
        if (!ReadRegionOption(tokens[next], rule)) return std::nullopt;
    }
    return rule;
}

std::optional<LineRule> ParseLineRule(const Tokens& tokens) {
    if (tokens.size() < 2) return std::nullopt;
    const std::optional<TokenClass> tokenClass = TokenClassNamed(tokens[0]);
    if (!tokenClass) return std::nullopt;
    LineRule rule;
    rule.tokenClass = *tokenClass;
    rule.prefix = tokens[1];
    for (std::size_t next = 2; next < tokens.size(); ++next) {
        const std::string_view option = tokens[next];
        if (option == "word") {
            rule.wholeLine = false;
        } else if (option == "indent") {
            rule.afterIndent = true;
        } else if (option != "line") {
            return std::nullopt;
        }
    }
    return rule;
}

// The bytes of `text` without blanks.
std::string WithoutBlanks(std::string_view text) {
    std::string bytes;
    for (const char c : text) {
        if (!IsBlank(c) && c != '\0') bytes += c;
    }
    return bytes;
}

} // namespace

ByteSet ParseByteSet(std::string_view text) {
    const std::string bytes = WithoutBlanks(text);
    ByteSet set;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        // "+-*" lists three operators: a '-' makes a range only between ascending bytes.
        const bool range = at + 2 < bytes.size() && bytes[at + 1] == '-' &&
                           first <= static_cast<unsigned char>(bytes[at + 2]);
        if (!range) {
            set.set(first);
            continue;
        }
        const auto last = static_cast<unsigned char>(bytes[at + 2]);
        for (unsigned c = first; c <= last; ++c)
            set.set(c);
        at += 2;
    }
    return set;
}

std::optional<TokenClass> TokenClassNamed(std::string_view name) {
    for (std::size_t index = 0; index < kClassNames.size(); ++index) {
        if (EqualNoCase(name, kClassNames[index])) return static_cast<TokenClass>(index);
    }
    return std::nullopt;
}

std::vector<RegionRule> ParseRegionRules(std::string_view text) {
    std::vector<RegionRule> rules;
    for (const Tokens& tokens : SplitRules(text)) {
        if (std::optional<RegionRule> rule = ParseRegionRule(tokens)) rules.push_back(*rule);
    }
    return rules;
}

std::vector<LineRule> ParseLineRules(std::string_view text) {
    std::vector<LineRule> rules;
    for (const Tokens& tokens : SplitRules(text)) {
        if (std::optional<LineRule> rule = ParseLineRule(tokens)) rules.push_back(*rule);
    }
    return rules;
}

std::array<std::uint8_t, kTokenClassCount> ParseColorArray(std::string_view text) {
    std::array<std::uint8_t, kTokenClassCount> ids{};
    for (const std::string& pair : SplitWords(text)) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos) continue;
        const std::optional<TokenClass> tokenClass = TokenClassNamed(pair.substr(0, equals));
        unsigned id = 0;
        const char* digits = pair.data() + equals + 1;
        const char* end = pair.data() + pair.size();
        const auto [stop, error] = std::from_chars(digits, end, id);
        if (!tokenClass || error != std::errc() || stop != end || id > 255) continue;
        ids[static_cast<std::size_t>(*tokenClass)] = static_cast<std::uint8_t>(id);
    }
    return ids;
}

BracketTable ParseBrackets(std::string_view opening, std::string_view closing) {
    const std::string open = WithoutBlanks(opening);
    const std::string close = WithoutBlanks(closing);
    BracketTable table;
    const std::size_t pairs = std::min({open.size(), close.size(), table.opening.size()});
    for (std::size_t at = 0; at < pairs; ++at) {
        table.opening[at] = static_cast<std::uint8_t>(open[at]);
        table.closing[at] = static_cast<std::uint8_t>(close[at]);
    }
    return table;
}

SyntaxConfig ParseSyntaxConfig(const SyntaxTexts& texts) {
    SyntaxConfig config;
    config.letters = ParseByteSet(texts.letters.value_or(std::string(kDefaultLetters)));
    config.wordBytes = ParseByteSet(texts.words.value_or(std::string(kDigits)));
    config.numberBytes = ParseByteSet(texts.numbers.value_or(std::string(kDigits)));
    config.separators = ParseByteSet(texts.separators);
    config.brackets = ParseBrackets(texts.bracketOn, texts.bracketOff);
    for (int group = 0; group < kWordGroupCount; ++group)
        config.groups[static_cast<std::size_t>(group)] =
            SplitWords(texts.groups[static_cast<std::size_t>(group)]);
    config.ignoreCase = texts.upperLower;
    config.regions = ParseRegionRules(texts.until);
    config.lineRules = ParseLineRules(texts.fixed);
    config.styleIds = ParseColorArray(texts.colorArray);
    return config;
}

} // namespace varnex
