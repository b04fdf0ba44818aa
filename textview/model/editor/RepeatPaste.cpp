// The Clear key's repeat paste: the clipboard goes in again one line lower, a number counted up.
#include "textview/model/editor/RepeatPaste.h"

#include "textview/model/editor/PaneEditor.h"

#include <cctype>
#include <cstdio>

namespace varnex {

namespace {

// Only this many bytes of the clipboard are looked at for a number.
constexpr std::size_t kNumberBytes = 16;
// Keep this many rows below the caret before the view moves along.
constexpr int kRowsKeptBelow = 7;

std::string Padded(const std::string& digits, std::size_t width) {
    return digits.size() >= width ? digits : std::string(width - digits.size(), '0') + digits;
}

bool ScrollsAlong(const ScrollState& shown, int caretLine) {
    int threshold = shown.visibleLines - kRowsKeptBelow;
    if (threshold < 1) threshold = shown.visibleLines * 3 / 4;
    return caretLine - shown.firstLine >= threshold;
}

} // namespace

std::optional<std::string> IncrementedNumber(const std::string& text) {
    const std::string number = text.substr(0, kNumberBytes);
    if (number.empty() || number.size() >= kNumberBytes) return std::nullopt;
    if (!std::isdigit(static_cast<unsigned char>(number[0]))) return std::nullopt;
    const bool hex = number.size() > 2 && (number[1] == 'x' || number[1] == 'X') &&
                     std::isxdigit(static_cast<unsigned char>(number[2]));
    if (hex) {
        const std::string digits = number.substr(2);
        const unsigned long long value = std::stoull(digits, nullptr, 16) + 1;
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%llX", value);
        return "0x" + Padded(buffer, digits.size());
    }
    const unsigned long long value = std::stoull(number, nullptr, 10) + 1;
    return Padded(std::to_string(value), number.size());
}

void RepeatPaste(PaneEditor& editor, bool increment) {
    const TextPosition caret = editor.Caret().Caret();
    const int anchorColumn = editor.Caret().Anchor().column;
    std::optional<std::string> next;
    if (increment && editor.Caret().Selection() == SelectionState::OneLine) {
        if (const std::optional<std::string> text = editor.Platform().ClipboardText())
            next = IncrementedNumber(*text);
    }
    if (!editor.Paste()) return;
    const ScrollState shown = editor.Platform().Scroll();
    if (ScrollsAlong(shown, caret.line))
        editor.Platform().ScrollTo(shown.firstColumn, shown.firstLine + 1);
    editor.MoveTo({anchorColumn, caret.line + 1}, false);
    editor.MoveTo({caret.column, caret.line + 1}, true);
    if (next) editor.Platform().SetClipboardText(*next);
}

} // namespace varnex
