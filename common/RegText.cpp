// Escaping rules of the registry export syntax: quoted names and texts, key names, hex bytes.
#include "common/RegText.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
// regedit wraps hex data at 80 columns; the continuation marker needs one of them.
constexpr std::size_t kHexLineLimit = 79;
constexpr std::string_view kHexContinuation = "\\\n  ";
constexpr std::size_t kContinuationIndent = 2;

bool IsPlainByte(char c) {
    return c >= 0x20 && c <= 0x7E;
}

void AppendHexByte(std::string& out, char c) {
    const auto byte = static_cast<unsigned char>(c);
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

// The byte encoded by two hex digits at `text[pos]`, or -1.
int HexPairAt(std::string_view text, std::size_t pos) {
    if (pos + 2 > text.size()) return -1;
    const int high = HexDigitValue(text[pos]);
    const int low = HexDigitValue(text[pos + 1]);
    return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsPlainText(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), IsPlainByte);
}

std::string QuoteText(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (IsPlainByte(c)) {
            out += c;
        } else {
            out += "\\x";
            AppendHexByte(out, c);
        }
    }
    return out + '"';
}

std::optional<std::string> UnquoteText(std::string_view line, std::size_t& pos) {
    std::string text;
    for (std::size_t i = pos + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            pos = i + 1;
            return text;
        }
        if (c != '\\' || i + 1 == line.size()) {
            text += c;
        } else if (line[i + 1] == '\\' || line[i + 1] == '"') {
            text += line[++i];
        } else if (line[i + 1] == 'x' && HexPairAt(line, i + 2) >= 0) {
            text += static_cast<char>(HexPairAt(line, i + 2));
            i += 3;
        } else {
            text += c;
        }
    }
    return std::nullopt;
}

std::string EncodeKeyName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        // A backslash would split the name; a leading '-' can make a section a deletion.
        const bool escaped = c == '%' || c == '\\' || (c == '-' && i == 0);
        if (IsPlainByte(c) && !escaped) {
            out += c;
        } else {
            out += '%';
            AppendHexByte(out, c);
        }
    }
    return out;
}

std::string DecodeKeyName(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int byte = text[i] == '%' ? HexPairAt(text, i + 1) : -1;
        if (byte < 0) {
            out += text[i];
        } else {
            out += static_cast<char>(byte);
            i += 2;
        }
    }
    return out;
}

std::string FormatHexBytes(std::string_view bytes, std::size_t firstLineUsed) {
    std::string out;
    std::size_t column = firstLineUsed;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size();
        const std::size_t width = last ? 2 : 3;
        if (i > 0 && column + width > kHexLineLimit) {
            out += kHexContinuation;
            column = kContinuationIndent;
        }
        AppendHexByte(out, bytes[i]);
        if (!last) out += ',';
        column += width;
    }
    return out;
}

std::optional<std::string> ParseHexBytes(std::string_view text) {
    std::string bytes;
    text = TrimBlanks(text);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view pair = TrimBlanks(text.substr(0, comma));
        const int byte = pair.size() == 2 ? HexPairAt(pair, 0) : -1;
        if (byte < 0) return std::nullopt;
        bytes += static_cast<char>(byte);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return bytes;
}

} // namespace varnex
