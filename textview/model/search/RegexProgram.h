// Regular expressions compiled and matched by PCRE2 in the mode of a pane's encoding.
#pragma once

#include "common/TextEncoding.h"
#include "textview/model/search/Pcre2Library.h"
#include "textview/model/search/SearchPattern.h"
#include "textview/model/search/WholeWords.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>

namespace varnex {

struct CodeFree {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};

using CodePtr = std::unique_ptr<pcre2_code, CodeFree>;

// How PCRE2 reads patterns and lines of an encoding. UTF-8 lines may hold bytes that start no
// sequence: those match nothing but do not stop a match elsewhere in the line.
struct RegexMode {
    std::uint32_t options = 0;
    pcre2_compile_context* context = nullptr;
    bool utf8 = false;
};

RegexMode RegexModeFor(TextEncoding encoding);

struct RegexProgram {
    CodePtr code;
    bool jit = false;
    std::uint32_t pairs = 1; // group 0 and the capture groups
};

// The pattern as written, and with `words` active wrapped so that only whole words match.
std::variant<RegexProgram, PatternError> CompileRegex(std::string_view text, bool ignoreCase,
                                                      const WordTest& words, const RegexMode& mode);

// The first match starting at byte `from` or later, with all groups.
std::optional<LineMatch> MatchRegex(const RegexProgram& regex, const std::uint8_t* text, int length,
                                    int from);

} // namespace varnex
