// Lossless decoding of path bytes: valid UTF-8 as its characters, other bytes as lone surrogates.
#include "app/ui/PathText.h"

#include <cstdint>
#include <optional>

namespace varnex {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

// The code point of the valid UTF-8 sequence at `at`, or nothing; `length` gets its bytes.
std::optional<char32_t> DecodeAt(const std::string& bytes, std::size_t at, std::size_t& length) {
    const auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    int trailing = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + static_cast<std::size_t>(trailing) >= bytes.size()) return std::nullopt;
    for (int k = 1; k <= trailing; ++k) {
        const std::uint8_t next = byte(at + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not valid UTF-8.
    if (code < smallest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return std::nullopt;
    length = static_cast<std::size_t>(trailing) + 1;
    return code;
}

QString Decode(const std::string& path, bool keepBytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(path.size()));
    for (std::size_t at = 0; at < path.size();) {
        std::size_t length = 1;
        if (const std::optional<char32_t> code = DecodeAt(path, at, length)) {
            const char32_t single[] = {*code};
            text += QString::fromUcs4(single, 1);
        } else {
            const auto byte = static_cast<std::uint8_t>(path[at]);
            text += QChar(keepBytes ? static_cast<char16_t>(kEscapeBase + byte) : kReplacement);
        }
        at += length;
    }
    return text;
}

bool IsEscapedByte(char32_t code) {
    return code >= kEscapeBase + 0x80 && code <= kEscapeBase + 0xFF;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

QString PathText(const std::string& path) {
    return Decode(path, true);
}

QString PathDisplayText(const std::string& path) {
    return Decode(path, false);
}

std::string PathBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar unit = text.at(at);
        char32_t code = unit.unicode();
        if (unit.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(unit, text.at(++at));
        } else if (IsEscapedByte(code)) {
            bytes += static_cast<char>(code - kEscapeBase);
            continue;
        } else if (unit.isSurrogate()) {
            code = kReplacement; // a stray surrogate typed or pasted in: no byte stands for it
        }
        AppendUtf8(bytes, code);
    }
    return bytes;
}

} // namespace varnex
