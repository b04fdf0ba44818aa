// Reading a syntax configuration from the texts of its values (docs/SYNTAX.md).
#pragma once

#include "textview/model/syntax/SyntaxConfig.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// The values of a configuration key as texts. Lists read from a multi-string keep the zero
// bytes between its strings, which separate words and rules as blanks and "|" do.
struct SyntaxTexts {
    std::optional<std::string> letters; // missing: A-Z, a-z and '_'
    std::optional<std::string> words;   // missing: the digits
    std::optional<std::string> numbers; // missing: the digits
    std::string separators;
    std::string bracketOn;
    std::string bracketOff;
    std::array<std::string, kWordGroupCount> groups;
    std::string until;
    std::string fixed;
    std::string colorArray;
    bool upperLower = false;
};

SyntaxConfig ParseSyntaxConfig(const SyntaxTexts& texts);

// Bytes and ascending ranges ("a-z"); any other '-' stands for itself, blanks are left out.
ByteSet ParseByteSet(std::string_view text);
// "comment", "string", …, "group5", in any case.
std::optional<TokenClass> TokenClassNamed(std::string_view name);
// The "Until" rules; a rule that cannot be read is left out.
std::vector<RegionRule> ParseRegionRules(std::string_view text);
// The "Fixed" rules; a rule that cannot be read is left out.
std::vector<LineRule> ParseLineRules(std::string_view text);
// "class=id" pairs; classes not named keep id 0.
std::array<std::uint8_t, kTokenClassCount> ParseColorArray(std::string_view text);
// Opening brackets and their partners at the same places, at most five pairs.
BracketTable ParseBrackets(std::string_view opening, std::string_view closing);

} // namespace varnex
