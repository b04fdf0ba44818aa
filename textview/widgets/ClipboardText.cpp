// A pane's bytes as clipboard and drag text, and back, as the pane's encoding shows them.
#include "textview/widgets/ClipboardText.h"

#include "common/Unicode.h"

namespace varnex {

namespace {

// Linux ends lines with a line feed alone; the pane keeps no other line break.
const QString kPlatformLineBreak = QStringLiteral("\n");

// A character in the pane's bytes: its UTF-8 sequence (U+FFFD for a lone surrogate), or its
// Windows-1252 byte ('?' when the table has none).
void AppendCharacter(std::string& bytes, char32_t code, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        AppendUtf8(bytes, code);
    } else {
        bytes += static_cast<char>(NarrowToWindows1252(code));
    }
}

} // namespace

QString BytesToText(const std::string& bytes, TextEncoding encoding) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    QString text;
    text.reserve(length);
    for (int i = 0; i < length;) {
        const EncodedChar character = CharAt(data, length, i, encoding);
        if (character.code == U'\n') {
            text += kPlatformLineBreak;
        } else {
            text += QString::fromUcs4(&character.code, 1);
        }
        i += character.bytes;
    }
    return text;
}

// CR LF and a lone CR end lines too, as text from other programs may have them.
std::string TextToBytes(const QString& text, TextEncoding encoding) {
    const char16_t* units = QStringView(text).utf16();
    const int length = static_cast<int>(text.size());
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length;) {
        const Utf16Char character = DecodeUtf16(units, length, i);
        i += character.units;
        if (character.code == U'\r') {
            if (i < length && units[i] == u'\n') ++i;
            bytes += '\n';
        } else {
            AppendCharacter(bytes, character.code, encoding);
        }
    }
    return bytes;
}

} // namespace varnex
