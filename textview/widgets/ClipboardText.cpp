// A pane's bytes as clipboard and drag text, and back: each byte as Windows-1252 shows it.
#include "textview/widgets/ClipboardText.h"

#include "common/Windows1252.h"

namespace varnex {

namespace {

// Linux ends lines with a line feed alone; the pane keeps no other line break.
const QString kPlatformLineBreak = QStringLiteral("\n");
constexpr char kUnknownCharacter = '?';

} // namespace

QString BytesToText(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<int>(bytes.size()));
    for (const char byte : bytes) {
        if (byte == '\n') {
            text += kPlatformLineBreak;
        } else {
            text += QChar(Windows1252ToUnicode(static_cast<std::uint8_t>(byte)));
        }
    }
    return text;
}

// CR LF and a lone CR end lines too, as text from other programs may have them.
std::string TextToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            bytes += '\n';
            continue;
        }
        const std::optional<std::uint8_t> byte = UnicodeToWindows1252(c);
        bytes += byte ? static_cast<char>(*byte) : kUnknownCharacter;
    }
    return bytes;
}

} // namespace varnex
