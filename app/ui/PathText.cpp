// Lossless decoding of path bytes: valid UTF-8 as its characters, other bytes as lone surrogates.
#include "app/ui/PathText.h"

#include "common/Unicode.h"

#include <algorithm>
#include <cstdint>

namespace varnex {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr auto kReplacement = static_cast<char16_t>(kReplacementCharacter);

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

// A stray surrogate typed or pasted in has no byte of its own: AppendUtf8 writes U+FFFD for it.
std::string PathBytes(const QString& text) {
    const char16_t* units = QStringView(text).utf16();
    const int length = static_cast<int>(text.size());
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(length));
    for (int at = 0; at < length;) {
        const Utf16Char character = DecodeUtf16(units, length, at);
        at += character.units;
        if (character.units == 1 && IsEscapedByte(character.code)) {
            bytes += static_cast<char>(character.code - kEscapeBase);
        } else {
            AppendUtf8(bytes, character.code);
        }
    }
    return bytes;
}

} // namespace varnex
