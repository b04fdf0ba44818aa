// Reads a hive file's text in the registry export syntax into a key tree.
#include "common/HiveFormat.h"

#include "common/HiveBuilder.h"
#include "common/KeyPath.h"
#include "common/NoCase.h"
#include "common/RegText.h"
#include "common/Unicode.h"
#include "common/ValueCopy.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace varnex {

namespace {

constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Real registry exports are saved as UTF-16LE after this mark.
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::size_t kMaxDwordDigits = 8;

std::vector<std::string> SplitSectionPath(std::string_view path) {
    std::vector<std::string> names = SplitKeyPath(path);
    for (std::string& name : names)
        name = DecodeKeyName(name);
    return names;
}

std::optional<std::uint32_t> ParseHexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxDwordDigits) return std::nullopt;
    std::uint32_t number = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return number;
}

std::string LittleEndian(std::uint32_t number) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

// How string data given as hex bytes is encoded: a UTF-16 file holds it in UTF-16 too.
enum class HexStrings { EightBit, Utf16 };

class HiveReader {
public:
    HiveReader(std::string_view text, HexStrings hexStrings)
        : rest_(text), hexStrings_(hexStrings) {
        if (rest_.substr(0, kUtf8Mark.size()) == kUtf8Mark) rest_.remove_prefix(kUtf8Mark.size());
    }

    HiveParseResult Run() {
        HiveParseResult result;
        result.ok = ReadHeader() && ReadBody();
        result.errorLine = result.ok ? 0 : lineNumber_;
        result.root = tree_.Finish();
        return result;
    }

private:
    bool NextLine(std::string_view& line) {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNumber_;
        return true;
    }

    // Skips blank lines; false at the end of the text.
    bool NextContentLine(std::string_view& line) {
        while (NextLine(line)) {
            line = TrimBlanks(line);
            if (!line.empty()) return true;
        }
        return false;
    }

    bool ReadHeader() {
        std::string_view line;
        if (!NextContentLine(line)) return true;
        return line == kHiveFileHeader || line == kOldHeader;
    }

    bool ReadBody() {
        std::string_view line;
        while (NextContentLine(line)) {
            if (line.front() == ';') continue;
            const bool ok = line.front() == '[' ? ReadSection(line) : ReadValue(line);
            if (!ok) return false;
        }
        return true;
    }

    bool ReadSection(std::string_view line) {
        if (line.back() != ']') return false;
        const std::string_view path = line.substr(1, line.size() - 2);
        skipping_ = !path.empty() && path.front() == '-';
        if (skipping_) {
            current_ = nullptr;
            return true;
        }
        const std::vector<std::string> names = SplitSectionPath(path);
        if (names.empty()) return false;                   // values need a named key to live in
        if (names.size() > kMaxKeyDepth + 1) return false; // the hive's own name comes first
        current_ = &tree_.CreatePath(names);
        return true;
    }

    bool ReadValue(std::string_view line) {
        if (!current_ && !skipping_) return false;
        std::size_t pos = 0;
        const std::optional<std::string> name = ReadName(line, pos);
        line = TrimBlanks(line.substr(pos));
        if (!name || line.empty() || line.front() != '=') return false;
        std::string data(TrimBlanks(line.substr(1)));
        if (StartsWithNoCase(data, "hex") && !JoinContinuations(data)) return false;
        if (data == "-") return true;
        return StoreValue(*name, data);
    }

    static std::optional<std::string> ReadName(std::string_view line, std::size_t& pos) {
        if (line.front() == '@') {
            pos = 1;
            return std::string();
        }
        return line.front() == '"' ? UnquoteText(line, pos) : std::nullopt;
    }

    // Hex data continues on the next line after a trailing backslash.
    bool JoinContinuations(std::string& data) {
        while (!data.empty() && data.back() == '\\') {
            data.pop_back();
            std::string_view next;
            if (!NextLine(next)) return false;
            data += TrimBlanks(next);
        }
        return true;
    }

    bool StoreValue(const std::string& name, std::string_view data) {
        ValueType type = ValueType::None;
        std::optional<std::string> bytes = ParseData(data, type);
        if (bytes && hexStrings_ == HexStrings::Utf16 && IsStringType(type) && data.front() != '"')
            bytes = NarrowHexString(*bytes);
        if (!bytes) return false;
        if (!skipping_) HiveBuilder::SetValue(*current_, name, type, std::move(*bytes));
        return true;
    }

    static std::optional<std::string> ParseData(std::string_view data, ValueType& type) {
        if (!data.empty() && data.front() == '"') return ParseQuoted(data, type);
        if (StartsWithNoCase(data, "dword:")) return ParseDword(data.substr(6), type);
        if (StartsWithNoCase(data, "hex:")) {
            type = ValueType::Binary;
            return ParseHexBytes(data.substr(4));
        }
        if (StartsWithNoCase(data, "hex(")) return ParseTypedHex(data.substr(4), type);
        return std::nullopt;
    }

    static std::optional<std::string> ParseQuoted(std::string_view data, ValueType& type) {
        std::size_t pos = 0;
        std::optional<std::string> text = UnquoteText(data, pos);
        if (!text || !TrimBlanks(data.substr(pos)).empty()) return std::nullopt;
        type = ValueType::String;
        return *text + '\0';
    }

    static std::optional<std::string> ParseDword(std::string_view digits, ValueType& type) {
        const std::optional<std::uint32_t> number = ParseHexNumber(TrimBlanks(digits));
        if (!number) return std::nullopt;
        type = ValueType::Number;
        return LittleEndian(*number);
    }

    // "N):hh,hh" after "hex(".
    static std::optional<std::string> ParseTypedHex(std::string_view data, ValueType& type) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos) return std::nullopt;
        const std::optional<std::uint32_t> number = ParseHexNumber(data.substr(0, close));
        if (!number) return std::nullopt;
        type = static_cast<ValueType>(*number);
        return ParseHexBytes(data.substr(close + 2));
    }

    // A hex string value of a UTF-16 export holds UTF-16LE; an odd byte count is a fault.
    static std::optional<std::string> NarrowHexString(std::string_view bytes) {
        if (bytes.size() % 2 != 0) return std::nullopt;
        std::string narrow;
        NarrowUtf16Le(narrow, bytes);
        return narrow;
    }

    std::string_view rest_;
    const HexStrings hexStrings_;
    std::size_t lineNumber_ = 0;
    HiveBuilder tree_;
    HiveBuilder::Key* current_ = nullptr;
    bool skipping_ = false;
};

} // namespace

HiveParseResult ParseHive(std::string_view text) {
    if (text.substr(0, kUtf16LeMark.size()) != kUtf16LeMark) {
        return HiveReader(text, HexStrings::EightBit).Run();
    }
    const std::string_view bytes = text.substr(kUtf16LeMark.size());
    std::string narrow;
    narrow.reserve(bytes.size() / 2);
    NarrowUtf16Le(narrow, bytes);
    HiveParseResult result = HiveReader(narrow, HexStrings::Utf16).Run();
    // An odd byte count: cut off in the middle of a character, on the last line.
    if (result.ok && bytes.size() % 2 != 0) {
        result.ok = false;
        result.errorLine = 1 + std::count(narrow.begin(), narrow.end(), '\n');
    }
    return result;
}

} // namespace varnex
