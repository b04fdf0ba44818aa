// Qt's key events as the pane's keys and typed characters.
#include "textview/widgets/KeyMapping.h"

#include "common/Unicode.h"

#include <array>
#include <map>

namespace varnex {

namespace {

// The eleven further macro keys, in the order of their indices 0x5B.., named by the character
// they produce on a German keyboard, whatever key codes a layout gives them.
constexpr std::array<char16_t, 11> kMacroCharacters = {u'ü', u'ö', u'ä', u'+', u'-', u',',
                                                       u'.', u'#', u'ß', u'<', u'´'};
constexpr int kFirstMacroCode = 0x5B;

const std::map<int, PaneKey>& NamedKeys() {
    static const std::map<int, PaneKey> keys{
        {Qt::Key_Tab, PaneKey::Tab},       {Qt::Key_Backtab, PaneKey::Tab},
        {Qt::Key_Insert, PaneKey::Insert}, {Qt::Key_Delete, PaneKey::Delete},
        {Qt::Key_Home, PaneKey::Home},     {Qt::Key_End, PaneKey::End},
        {Qt::Key_Left, PaneKey::Left},     {Qt::Key_Right, PaneKey::Right},
        {Qt::Key_Up, PaneKey::Up},         {Qt::Key_Down, PaneKey::Down},
        {Qt::Key_PageUp, PaneKey::PageUp}, {Qt::Key_PageDown, PaneKey::PageDown},
        {Qt::Key_Clear, PaneKey::Clear},
    };
    return keys;
}

// Dead keys produce their accent only with the next key, but name it at once.
char16_t CharacterOf(const QKeyEvent& event) {
    if (!event.text().isEmpty()) return event.text().at(0).toLower().unicode();
    if (event.key() == Qt::Key_Dead_Acute) return u'´';
    if (event.key() >= 0x20 && event.key() <= 0xFF) return QChar(event.key()).toLower().unicode();
    return 0;
}

std::optional<int> MacroCode(const QKeyEvent& event) {
    const char16_t character = CharacterOf(event);
    for (std::size_t k = 0; k < kMacroCharacters.size(); ++k) {
        if (kMacroCharacters[k] == character) return kFirstMacroCode + static_cast<int>(k);
    }
    return std::nullopt;
}

} // namespace

KeyPress KeyPressOf(const QKeyEvent& event) {
    KeyPress press;
    press.shift = event.modifiers() & Qt::ShiftModifier;
    press.ctrl = event.modifiers() & Qt::ControlModifier;
    press.alt = event.modifiers() & Qt::AltModifier;
    press.repeat = std::max(1, event.count());
    const int key = event.key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        press.key = PaneKey::Character;
        press.code = key;
    } else if (const auto named = NamedKeys().find(key); named != NamedKeys().end()) {
        press.key = named->second;
        press.shift = press.shift || key == Qt::Key_Backtab;
    } else if (const std::optional<int> macro = MacroCode(event)) {
        press.key = PaneKey::MacroKey;
        press.code = *macro;
    }
    return press;
}

std::optional<char32_t> TypedCharacter(const QKeyEvent& event, TextEncoding encoding) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return EditCode::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EditCode::kEnter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return EditCode::kTab;
    default:
        break;
    }
    if (NamedKeys().count(event.key())) return std::nullopt;
    const std::u32string codes = event.text().toStdU32String();
    if (codes.size() != 1) return std::nullopt;
    if (encoding == TextEncoding::Utf8) return codes.front();
    return Windows1252ByteOf(codes.front());
}

std::optional<ZoomStep> ZoomStepOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held != Qt::ControlModifier) return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ZoomStep::Larger;
    case Qt::Key_Minus:
        return ZoomStep::Smaller;
    case Qt::Key_0:
        return ZoomStep::Reset;
    default:
        return std::nullopt;
    }
}

} // namespace varnex
