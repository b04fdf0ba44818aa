// Lossless decoding of path bytes: valid UTF-8 as its characters, other bytes as lone surrogates.
#include "app/ui/PathText.h"

#include "common/Unicode.h"

#include <algorithm>
#include <cstdint>

namespace varnex {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

QString Decode(const std::string& path, bool keepBytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(path.size()));
    for (std::size_t at = 0; at < path.size();) {
        const EncodedChar sequence = DecodeUtf8(
            reinterpret_cast<const std::uint8_t*>(path.data()) + at,
            static_cast<int>(std::min<std::size_t>(path.size() - at, 4)), 0, Utf8Decoding::Strict);
        const std::size_t length =
            sequence.bytes > 0 ? static_cast<std::size_t>(sequence.bytes) : 1;
        if (sequence.bytes > 0) {
            text += QString::fromUcs4(&sequence.code, 1);
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
