// The pane's search engine: plain text by direct byte comparison, regular expressions with the
// 8-bit PCRE2 library and character tables of Windows-1252; in a UTF-8 pane both go through
// PCRE2's UTF-8 mode, so that case folds and words are Unicode characters.
#include "textview/model/search/Search.h"

#include "common/Windows1252.h"
#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/editor/CharClass.h"
#include "textview/model/settings/TabWidth.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace varnex {

namespace {

// The layout of pcre2_maketables(): lower-case table, case-flip table, ten class bitmaps and
// the character type table (offsets and bits as pcre2_internal.h defines them).
constexpr std::size_t kLowerCaseOffset = 0;
constexpr std::size_t kFlipCaseOffset = 256;
constexpr std::size_t kClassBitsOffset = 512;
constexpr std::size_t kClassBitsLength = 320;
constexpr std::size_t kTypesOffset = kClassBitsOffset + kClassBitsLength;
constexpr std::size_t kTablesLength = kTypesOffset + 256;

enum ClassMap : std::size_t {
    kSpaceMap = 0,
    kXdigitMap = 32,
    kDigitMap = 64,
    kUpperMap = 96,
    kLowerMap = 128,
    kWordMap = 160,
    kGraphMap = 192,
    kPrintMap = 224,
    kPunctMap = 256,
    kCntrlMap = 288
};

constexpr std::uint8_t kTypeSpace = 0x01;
constexpr std::uint8_t kTypeLetter = 0x02;
constexpr std::uint8_t kTypeLowerLetter = 0x04;
constexpr std::uint8_t kTypeDigit = 0x08;
constexpr std::uint8_t kTypeWord = 0x10;

bool IsAlnum(const ByteTraits& traits) {
    return traits.alpha || traits.digit;
}

void SetClassBits(std::uint8_t* maps, std::uint8_t byte, const ByteTraits& traits) {
    const std::pair<ClassMap, bool> memberships[] = {
        {kSpaceMap, traits.space}, {kXdigitMap, traits.xdigit},
        {kDigitMap, traits.digit}, {kUpperMap, traits.upper},
        {kLowerMap, traits.lower}, {kWordMap, IsAlnum(traits) || byte == '_'},
        {kGraphMap, traits.graph}, {kPrintMap, traits.print},
        {kPunctMap, traits.punct}, {kCntrlMap, traits.cntrl}};
    for (const auto& [map, member] : memberships) {
        if (member) maps[map + byte / 8] |= static_cast<std::uint8_t>(1u << (byte % 8));
    }
}

std::uint8_t TypeBits(std::uint8_t byte, const ByteTraits& traits) {
    std::uint8_t bits = 0;
    if (traits.space) bits |= kTypeSpace;
    if (traits.alpha) bits |= kTypeLetter;
    if (traits.lower) bits |= kTypeLowerLetter;
    if (traits.digit) bits |= kTypeDigit;
    if (IsAlnum(traits) || byte == '_') bits |= kTypeWord;
    return bits;
}

constexpr std::uint8_t kNoBreakSpace = 0xA0;

struct CodeFree {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataFree {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct CompileContextFree {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};

using CodePtr = std::unique_ptr<pcre2_code, CodeFree>;

// What an encoding gives a search: its PCRE2 tables (kept alive as long as the process, since
// compiled code points at them) and the case folding of plain text.
struct EncodingTables {
    std::vector<std::uint8_t> regexTables;
    std::unique_ptr<pcre2_compile_context, CompileContextFree> context;
    std::array<std::uint8_t, 256> fold{};
    std::array<bool, 256> hasCase{};

    explicit EncodingTables(ByteTraits (*traitsOf)(std::uint8_t))
        : regexTables(MakeRegexTables(traitsOf)), context(pcre2_compile_context_create(nullptr)) {
        pcre2_set_character_tables(context.get(), regexTables.data());
        for (int value = 0; value < 256; ++value) {
            const ByteTraits traits = traitsOf(static_cast<std::uint8_t>(value));
            fold[static_cast<std::size_t>(value)] = traits.toLower;
            hasCase[static_cast<std::size_t>(value)] =
                traits.toLower != value || traits.toUpper != value;
        }
    }
};

const EncodingTables& Windows1252Tables() {
    static const EncodingTables windows1252(&Windows1252Traits);
    return windows1252;
}

// How PCRE2 reads patterns and lines of an encoding. UTF-8 lines may hold bytes that start no
// sequence: those match nothing but do not stop a match elsewhere in the line.
struct RegexMode {
    std::uint32_t options = 0;
    pcre2_compile_context* context = nullptr;
    bool utf8 = false;
};

RegexMode RegexModeFor(TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return {PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_UCP, nullptr, true};
    return {PCRE2_NEVER_UTF | PCRE2_NEVER_UCP, Windows1252Tables().context.get(), false};
}

// The characters whole words are made of, as the editor options define them.
struct WordTest {
    bool active = false;
    std::array<bool, 256> isWord{};

    // No word character right before `first` nor at `last`.
    bool Isolated(const std::uint8_t* text, int length, int first, int last) const {
        if (!active) return true;
        const bool wordBefore = first > 0 && isWord[text[first - 1]];
        const bool wordAfter = last < length && isWord[text[last]];
        return !wordBefore && !wordAfter;
    }
};

WordTest MakeWordTest(bool active, std::uint32_t editOptions) {
    WordTest test;
    test.active = active;
    for (int value = 0; value < 256; ++value)
        test.isWord[static_cast<std::size_t>(value)] =
            IsWordCharacter(static_cast<std::uint8_t>(value), editOptions);
    return test;
}

// Plain text, folded to lower case when the search ignores case.
struct PlainText {
    std::string bytes;
    bool foldCase = false;
    const std::array<std::uint8_t, 256>* fold = nullptr;

    int Size() const { return static_cast<int>(bytes.size()); }

    bool MatchesAt(const std::uint8_t* text, int at) const {
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            if ((*fold)[text[at + static_cast<int>(k)]] != static_cast<std::uint8_t>(bytes[k]))
                return false;
        }
        return true;
    }

    // The first start at `from` or later, or -1.
    int Find(const std::uint8_t* text, int length, int from) const {
        const int lastStart = length - Size();
        if (bytes.empty() || from > lastStart) return -1;
        if (!foldCase) {
            const std::string_view haystack(reinterpret_cast<const char*>(text),
                                            static_cast<std::size_t>(length));
            const std::size_t at = haystack.find(bytes, static_cast<std::size_t>(from));
            return at == std::string_view::npos ? -1 : static_cast<int>(at);
        }
        const auto first = static_cast<std::uint8_t>(bytes[0]);
        for (int at = from; at <= lastStart; ++at) {
            if ((*fold)[text[at]] == first && MatchesAt(text, at)) return at;
        }
        return -1;
    }
};

PlainText MakePlainText(std::string_view text, bool ignoreCase, const EncodingTables& tables) {
    PlainText plain;
    plain.fold = &tables.fold;
    // Folding only pays when the text has letters with a case partner.
    plain.foldCase = ignoreCase && std::any_of(text.begin(), text.end(), [&](char c) {
                         return tables.hasCase[static_cast<std::uint8_t>(c)];
                     });
    plain.bytes = text;
    if (plain.foldCase) {
        for (char& c : plain.bytes)
            c = static_cast<char>(tables.fold[static_cast<std::uint8_t>(c)]);
    }
    return plain;
}

struct RegexProgram {
    CodePtr code;
    bool jit = false;
    std::uint32_t pairs = 1; // group 0 and the capture groups
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

// A character class of the bytes `isWord` marks, as runs of \xHH ranges.
std::string WordClass(const std::array<bool, 256>& isWord) {
    std::string pattern = "[";
    char hex[16];
    for (int first = 0; first < 256; ++first) {
        if (!isWord[static_cast<std::size_t>(first)]) continue;
        int last = first;
        while (last < 255 && isWord[static_cast<std::size_t>(last + 1)])
            ++last;
        std::snprintf(hex, sizeof hex, "\\x%02X-\\x%02X", first, last);
        pattern += hex;
        first = last;
    }
    return pattern + "]";
}

// Length of the start-of-pattern option items such as (*LF) or (*LIMIT_MATCH=9), which must
// stay in front of anything the whole-word wrapper puts before the pattern.
std::size_t LeadingOptionItems(std::string_view text) {
    static constexpr std::string_view kBacktrackVerbs[] = {"ACCEPT", "FAIL", "F",   "COMMIT",
                                                           "PRUNE",  "SKIP", "THEN"};
    std::size_t length = 0;
    while (text.substr(length).starts_with("(*")) {
        const std::size_t close = text.find(')', length);
        if (close == std::string_view::npos) break;
        const std::string_view name = text.substr(length + 2, close - length - 2);
        const bool optionLike = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '=';
        });
        if (!optionLike || std::find(std::begin(kBacktrackVerbs), std::end(kBacktrackVerbs),
                                     name) != std::end(kBacktrackVerbs))
            break;
        length = close + 1;
    }
    return length;
}

// The same for UTF-8 characters: the ASCII word characters, and from U+00C0 on all but general
// punctuation (U+2000..U+206F) and CJK symbols (U+3000..U+303F), as CharClassAt has it.
std::string Utf8WordClass(const std::array<bool, 256>& isWord) {
    std::array<bool, 256> ascii = isWord;
    std::fill(ascii.begin() + 0x80, ascii.end(), false);
    std::string pattern = WordClass(ascii);
    pattern.pop_back();
    return pattern + "\\x{C0}-\\x{1FFF}\\x{2070}-\\x{2FFF}\\x{3040}-\\x{10FFFF}]";
}

// Plain text as a regular expression that matches it literally: ASCII punctuation escaped,
// letters, digits and UTF-8 sequences as they are.
std::string LiteralPattern(std::string_view text) {
    std::string pattern;
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        const bool alphanumeric = (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
                                  (byte >= 'A' && byte <= 'Z');
        if (byte < 0x80 && !alphanumeric) pattern += '\\';
        pattern += c;
    }
    return pattern;
}

// The pattern admitted only where no word character touches it. "\E" ends a \Q quote the
// pattern left open; the line break ends a (?x) comment that would swallow the closing part.
std::string WholeWordPattern(std::string_view text, const std::string& wordClass, bool endComment) {
    const std::size_t options = LeadingOptionItems(text);
    std::string pattern(text.substr(0, options));
    pattern += "(?<!(?-i)" + wordClass + ")(?:";
    pattern += text.substr(options);
    pattern += endComment ? "\n\\E)" : "\\E)";
    return pattern + "(?!(?-i)" + wordClass + ")";
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

bool HasSpecialCharacter(std::string_view text) {
    return text.find_first_of("\\^$.|?*+()[]{}") != std::string_view::npos;
}

constexpr int kDollarSign = -1; // what "$$" refers to

struct Reference {
    std::size_t length = 0; // 0 when the text holds no reference
    int group = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The reference at the start of `text`: "$$", "$d" or "${n}" with n up to 99.
Reference ReadReference(std::string_view text) {
    if (text.size() < 2) return {};
    if (text[1] == '$') return {2, kDollarSign};
    if (IsDigit(text[1])) return {2, text[1] - '0'};
    if (text[1] != '{') return {};
    std::size_t end = 2;
    int group = 0;
    while (end < text.size() && end < 4 && IsDigit(text[end]))
        group = group * 10 + (text[end++] - '0');
    if (end == 2 || end >= text.size() || text[end] != '}') return {};
    return {end + 1, group};
}

// Where a search from the caret column starts on its line.
int IndexAtColumn(const TextLine& line, int column, TextEncoding encoding) {
    return ColumnToIndex(line.Text(), line.Length(), column, TabWidth::Get(), encoding);
}

// Matches before the caret start before this index; a caret past the line's end stands after
// it, so a match at the very end (such as "$") counts as before it.
int IndexBeforeColumn(const TextLine& line, int column, TextEncoding encoding) {
    const int index = IndexAtColumn(line, column, encoding);
    if (index < line.Length()) return index;
    const int endColumn =
        IndexToColumn(line.Text(), line.Length(), line.Length(), TabWidth::Get(), encoding);
    return column > endColumn ? index + 1 : index;
}

std::optional<TextMatch> SearchForwardFrom(const PaneModel& document, const SearchPattern& pattern,
                                           TextPosition from, bool fresh) {
    for (int line = std::max(from.line, 0); line < document.LineCount(); ++line) {
        const TextLine& record = *document.GetLine(line);
        const int start =
            line == from.line ? IndexAtColumn(record, from.column, document.Encoding()) : 0;
        std::optional<LineMatch> match = pattern.FindForward(record.Text(), record.Length(), start);
        if (match && !fresh && line == from.line && match->first == start && match->last == start)
            match = pattern.FindForward(record.Text(), record.Length(), start + 1);
        if (match) return TextMatch{line, std::move(*match)};
    }
    return std::nullopt;
}

std::optional<TextMatch> SearchBackwardFrom(const PaneModel& document, const SearchPattern& pattern,
                                            TextPosition from) {
    for (int line = std::min(from.line, document.LineCount() - 1); line >= 0; --line) {
        const TextLine& record = *document.GetLine(line);
        const int before = line == from.line
                               ? IndexBeforeColumn(record, from.column, document.Encoding())
                               : record.Length() + 1;
        std::optional<LineMatch> match =
            pattern.FindBackward(record.Text(), record.Length(), before);
        if (match) return TextMatch{line, std::move(*match)};
    }
    return std::nullopt;
}

} // namespace

ByteTraits Windows1252Traits(std::uint8_t byte) {
    ByteTraits traits;
    traits.toLower = LowerPartner1252(byte);
    traits.toUpper = UpperPartner1252(byte);
    traits.upper = traits.toLower != byte;
    traits.lower = traits.toUpper != byte || IsCaselessLower1252(byte);
    traits.alpha = traits.upper || traits.lower;
    traits.digit = byte >= '0' && byte <= '9';
    traits.xdigit = traits.digit || (byte >= 'a' && byte <= 'f') || (byte >= 'A' && byte <= 'F');
    traits.space = (byte >= 9 && byte <= 13) || byte == ' ' || byte == kNoBreakSpace;
    traits.cntrl = byte < 0x20 || byte == 0x7F || IsUnassigned1252(byte);
    traits.graph = !traits.space && !traits.cntrl;
    traits.print = traits.graph || byte == ' ' || byte == kNoBreakSpace;
    traits.punct = traits.graph && !IsAlnum(traits);
    return traits;
}

std::vector<std::uint8_t> MakeRegexTables(ByteTraits (*traitsOf)(std::uint8_t)) {
    std::vector<std::uint8_t> tables(kTablesLength, 0);
    for (std::size_t value = 0; value < 256; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);
        const ByteTraits traits = traitsOf(byte);
        tables[kLowerCaseOffset + value] = traits.toLower;
        tables[kFlipCaseOffset + value] = traits.lower ? traits.toUpper : traits.toLower;
        SetClassBits(tables.data() + kClassBitsOffset, byte, traits);
        tables[kTypesOffset + value] = TypeBits(byte, traits);
    }
    return tables;
}

struct SearchPattern::Compiled {
    std::variant<PlainText, RegexProgram> engine;
    // Plain text only: a regular expression checks the word boundaries itself.
    WordTest words;
    bool plainWord = false;
};

std::variant<SearchPattern, PatternError> SearchPattern::Compile(std::string_view text,
                                                                 std::uint32_t flags,
                                                                 TextEncoding encoding,
                                                                 std::uint32_t editOptions) {
    const RegexMode mode = RegexModeFor(encoding);
    const bool ignoreCase = (flags & SearchFlags::kIgnoreCase) != 0;
    const WordTest words = MakeWordTest((flags & SearchFlags::kWholeWords) != 0, editOptions);
    auto compiled = std::make_shared<Compiled>();
    if (flags & SearchFlags::kRegex) {
        auto regex = CompileRegex(text, ignoreCase, words, mode);
        if (auto* error = std::get_if<PatternError>(&regex)) return std::move(*error);
        compiled->engine = std::move(std::get<RegexProgram>(regex));
        compiled->plainWord = !HasSpecialCharacter(text);
    } else {
        compiled->plainWord = true;
        // Plain text that is no valid UTF-8 is matched byte by byte, as in Windows-1252.
        auto literal = mode.utf8 && !text.empty()
                           ? CompileRegex(LiteralPattern(text), ignoreCase, words, mode)
                           : std::variant<RegexProgram, PatternError>(PatternError{});
        if (auto* regex = std::get_if<RegexProgram>(&literal)) {
            compiled->engine = std::move(*regex);
        } else {
            compiled->engine = MakePlainText(text, ignoreCase, Windows1252Tables());
            compiled->words = words;
        }
    }
    SearchPattern pattern;
    pattern.compiled_ = std::move(compiled);
    return pattern;
}

std::optional<LineMatch> SearchPattern::FindForward(const std::uint8_t* text, int length,
                                                    int from) const {
    if (!compiled_ || from > length) return std::nullopt;
    from = std::max(from, 0);
    if (const auto* regex = std::get_if<RegexProgram>(&compiled_->engine))
        return MatchRegex(*regex, text, length, from);
    const PlainText& plain = std::get<PlainText>(compiled_->engine);
    for (int at = plain.Find(text, length, from); at >= 0; at = plain.Find(text, length, at + 1)) {
        if (compiled_->words.Isolated(text, length, at, at + plain.Size()))
            return LineMatch{at, at + plain.Size(), {}};
    }
    return std::nullopt;
}

std::optional<LineMatch> SearchPattern::FindBackward(const std::uint8_t* text, int length,
                                                     int before) const {
    // The matches a forward walk from the line's start finds, the last one before `before`:
    // stepping backwards visits the same matches as stepping forwards or marking them all.
    std::optional<LineMatch> last;
    for (int from = 0; from <= length;) {
        std::optional<LineMatch> match = FindForward(text, length, from);
        if (!match || match->first >= before) break;
        from = match->last > match->first ? match->last : match->first + 1;
        last = std::move(match);
    }
    return last;
}

std::string SearchPattern::Expand(std::string_view replacement, const std::uint8_t* text,
                                  const LineMatch& match) const {
    if (!compiled_ || std::holds_alternative<PlainText>(compiled_->engine))
        return std::string(replacement);
    std::string expanded;
    for (std::size_t at = 0; at < replacement.size();) {
        const Reference reference =
            replacement[at] == '$' ? ReadReference(replacement.substr(at)) : Reference{};
        const bool known =
            reference.length > 0 && reference.group < static_cast<int>(match.groups.size());
        if (!known) {
            expanded += replacement[at++];
            continue;
        }
        at += reference.length;
        if (reference.group == kDollarSign) {
            expanded += '$';
            continue;
        }
        const auto [first, last] = match.groups[static_cast<std::size_t>(reference.group)];
        if (first >= 0)
            expanded.append(reinterpret_cast<const char*>(text) + first,
                            static_cast<std::size_t>(last - first));
    }
    return expanded;
}

bool SearchPattern::IsPlainWord() const {
    return compiled_ && compiled_->plainWord;
}

std::optional<TextMatch> FindInDocument(const PaneModel& document, const SearchPattern& pattern,
                                        TextPosition from, bool backwards, bool fresh) {
    return backwards ? SearchBackwardFrom(document, pattern, from)
                     : SearchForwardFrom(document, pattern, from, fresh);
}

std::vector<TextMatch> FindAll(const PaneModel& document, const SearchPattern& pattern,
                               int firstLine, int lastLine) {
    std::vector<TextMatch> matches;
    lastLine = std::min(lastLine, document.LineCount() - 1);
    for (int line = std::max(firstLine, 0); line <= lastLine; ++line) {
        const TextLine& record = *document.GetLine(line);
        int from = 0;
        while (auto match = pattern.FindForward(record.Text(), record.Length(), from)) {
            from = match->last > match->first ? match->last : match->first + 1;
            matches.push_back({line, std::move(*match)});
        }
    }
    return matches;
}

} // namespace varnex
