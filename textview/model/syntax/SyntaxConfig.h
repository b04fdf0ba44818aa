// A syntax colouring configuration as plain data: the bytes of words and numbers, the keyword
// groups, the delimited regions, the line rules and the style id of each token class.
#pragma once

#include "textview/model/editor/BracketMatch.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

// What a byte of a scanned line is; each class is drawn in the style the configuration gives it.
enum class TokenClass : std::uint8_t {
    Text,
    Comment,
    String,
    Number,
    Preprocessor,
    Operator,
    Bracket,
    Group1,
    Group2,
    Group3,
    Group4,
    Group5,
};
inline constexpr int kTokenClassCount = 12;
inline constexpr int kWordGroupCount = 5;

using ByteSet = std::bitset<256>;

// Where a region may begin.
enum class RegionStart : std::uint8_t {
    Anywhere,
    AfterBlank, // at the start of the line or after a blank or tab
};

// A stretch from `start` to `end` ("Until"): comments and strings.
struct RegionRule {
    TokenClass tokenClass = TokenClass::String;
    std::string start;
    std::string end; // empty: the region ends with the line
    // The byte after it never ends the region; when it is the first byte of `end`, only a doubled
    // one is an escape. Last on a line, it carries the region into the next line.
    std::optional<std::uint8_t> escape;
    bool spansLines = false; // a region still open at the line end carries into the next line
    RegionStart where = RegionStart::Anywhere;
};

// A line that begins with `prefix` ("Fixed").
struct LineRule {
    TokenClass tokenClass = TokenClass::Preprocessor;
    std::string prefix;
    bool wholeLine = true;    // else the prefix, the blanks after it and the following word
    bool afterIndent = false; // the prefix may follow blanks and tabs
};

struct SyntaxConfig {
    ByteSet letters;     // bytes that begin a word
    ByteSet wordBytes;   // bytes that continue a word besides the letters
    ByteSet numberBytes; // bytes that continue a number begun by a digit
    ByteSet separators;  // operator bytes
    BracketTable brackets;
    std::array<std::vector<std::string>, kWordGroupCount> groups;
    bool ignoreCase = false; // keywords match whatever their case
    std::vector<RegionRule> regions;
    std::vector<LineRule> lineRules;
    // Style id per token class, by the enum's order; 0 leaves the class in the standard style.
    std::array<std::uint8_t, kTokenClassCount> styleIds{};
};

} // namespace varnex
