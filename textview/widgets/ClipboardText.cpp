// A pane's bytes as clipboard and drag text, and back, as the pane's encoding shows them.
#include "textview/widgets/ClipboardText.h"

#include "common/Unicode.h"

namespace varnex {

namespace {

// Linux ends lines with a line feed alone; the pane keeps no other line break.
const QString kPlatformLineBreak = QStringLiteral("\n");
constexpr char kUnknownCharacter = '?';

void AppendByteFor(std::string& bytes, char32_t code, TextEncoding encoding) {
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (encoding == TextEncoding::Utf8 && !surrogate) {
        AppendUtf8(bytes, code);
        return;
    }
    const std::optional<std::uint8_t> byte = Windows1252ByteOf(code);
    bytes += byte ? static_cast<char>(*byte) : kUnknownCharacter;
}

// Windows-1252 takes the text by UTF-16 units: a character beyond them becomes two '?'.
std::u32string CodesOf(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.toStdU32String();
    std::u32string units;
    units.reserve(text.size());
    for (const QChar unit : text)
        units.push_back(unit.unicode());
    return units;
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
    const std::u32string codes = CodesOf(text, encoding);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(codes.size()));
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == U'\r') {
            if (i + 1 < codes.size() && codes[i + 1] == U'\n') ++i;
            bytes += '\n';
            continue;
        }
        AppendByteFor(bytes, codes[i], encoding);
    }
    return bytes;
}

} // namespace varnex
