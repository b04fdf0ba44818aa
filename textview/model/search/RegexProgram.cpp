// Regular expressions with the 8-bit PCRE2 library: compiled once, with the JIT where it makes
// code, and matched without allocating.
#include "textview/model/search/RegexProgram.h"

#include "textview/model/search/EncodingTables.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>

namespace varnex {

namespace {

struct MatchDataFree {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

struct CompileResult {
    CodePtr code;
    PatternError error;
};

CompileResult CompileCode(std::string_view text, std::uint32_t options,
                          pcre2_compile_context* context) {
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    CodePtr code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), options,
                               &errorCode, &errorOffset, context));
    if (code) return {std::move(code), {}};
    std::array<PCRE2_UCHAR, 256> message{};
    pcre2_get_error_message(errorCode, message.data(), message.size());
    return {nullptr,
            {static_cast<int>(errorOffset), reinterpret_cast<const char*>(message.data())}};
}

// One match block per thread, grown to the most groups seen: matching a line allocates
// nothing.
pcre2_match_data* ScratchMatchData(std::uint32_t pairs) {
    thread_local std::unique_ptr<pcre2_match_data, MatchDataFree> data;
    if (!data || pcre2_get_ovector_count(data.get()) < pairs)
        data.reset(pcre2_match_data_create(pairs, nullptr));
    return data.get();
}

// Runs the JIT code when there is some; a line too deep for the JIT's stack is matched again
// by the interpreter, which keeps its frames on the heap.
int RunMatch(const RegexProgram& regex, const std::uint8_t* text, int length, int from,
             pcre2_match_data* data) {
    const auto size = static_cast<PCRE2_SIZE>(length);
    const auto start = static_cast<PCRE2_SIZE>(from);
    if (regex.jit) {
        const int result = pcre2_jit_match(regex.code.get(), text, size, start, 0, data, nullptr);
        if (result != PCRE2_ERROR_JIT_STACKLIMIT) return result;
    }
    return pcre2_match(regex.code.get(), text, size, start, PCRE2_NO_JIT, data, nullptr);
}

} // namespace

RegexMode RegexModeFor(TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return {PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_UCP, nullptr, true};
    return {PCRE2_NEVER_UTF | PCRE2_NEVER_UCP, Windows1252Tables().context.get(), false};
}

std::variant<RegexProgram, PatternError>
CompileRegex(std::string_view text, bool ignoreCase, const WordTest& words, const RegexMode& mode) {
    const std::uint32_t options = mode.options | (ignoreCase ? PCRE2_CASELESS : 0u);
    // The pattern as written decides whether it compiles and where an error lies.
    CompileResult result = CompileCode(text, options, mode.context);
    if (!result.code) return result.error;
    if (words.active) {
        const std::string wordClass =
            mode.utf8 ? Utf8WordClass(words.isWord) : WordClass(words.isWord);
        for (const bool endComment : {false, true}) {
            result =
                CompileCode(WholeWordPattern(text, wordClass, endComment), options, mode.context);
            if (result.code) break;
        }
        if (!result.code) return PatternError{0, result.error.message};
    }
    RegexProgram program;
    program.code = std::move(result.code);
    // (*NO_JIT) lets the JIT compiler succeed without making code, hence the size check.
    std::size_t jitSize = 0;
    if (pcre2_jit_compile(program.code.get(), PCRE2_JIT_COMPLETE) == 0)
        pcre2_pattern_info(program.code.get(), PCRE2_INFO_JITSIZE, &jitSize);
    program.jit = jitSize > 0;
    std::uint32_t captures = 0;
    pcre2_pattern_info(program.code.get(), PCRE2_INFO_CAPTURECOUNT, &captures);
    program.pairs = captures + 1;
    return program;
}

std::optional<LineMatch> MatchRegex(const RegexProgram& regex, const std::uint8_t* text, int length,
                                    int from) {
    pcre2_match_data* data = ScratchMatchData(regex.pairs);
    if (!data) return std::nullopt;
    static const std::uint8_t kNoText = 0;
    const int result = RunMatch(regex, text ? text : &kNoText, length, from, data);
    if (result <= 0) return std::nullopt;
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data);
    LineMatch match;
    match.groups.assign(regex.pairs, {-1, -1});
    for (std::uint32_t group = 0; group < static_cast<std::uint32_t>(result); ++group) {
        const PCRE2_SIZE first = offsets[2 * group];
        if (first == PCRE2_UNSET) continue;
        match.groups[group] = {static_cast<int>(first), static_cast<int>(offsets[2 * group + 1])};
    }
    match.first = match.groups[0].first;
    match.last = match.groups[0].second;
    return match;
}

} // namespace varnex
