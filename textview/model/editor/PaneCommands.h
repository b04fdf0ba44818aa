// The pane's own commands (its context menu, clipboard keys and registers) and the menu's
// entries with the rules that grey them.
#pragma once

#include "textview/model/document/TextPosition.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

class PaneEditor;

// Edit commands keep the numbers the platform's edit commands have, so hosts route them alike.
enum class PaneCommandId : int {
    Clear = 57632,
    Copy = 57634,
    Cut = 57635,
    Find = 57636,
    Paste = 57637,
    Replace = 57641,
    SelectAll = 57642,
    Undo = 57643,
    Redo = 57644,
    CopyWord = 0x8800, // the word at the last context-menu position
    Options = 0x8801,
    Colours = 0x8802,
    Fonts = 0x8803,
};

// Register commands: copy the selection into register n, insert register n, copy again.
inline constexpr int kCopyToRegister = 0x8820;
inline constexpr int kInsertRegister = 0x8830;
inline constexpr int kCopyToRegisterToo = 0x8840;

// The sub-commands of the pane's command message.
enum class PaneSubCommand : int {
    MoveCaret = 0x0,       // packed position; result: the caret before
    Caret = 0x1,           // result: the caret
    ScrollTo = 0x2,        // packed (first column, first line); result: the scroll before
    Scroll = 0x3,          // result: the scroll position
    ExtendSelection = 0x4, // packed position; result: the selection's fixed end before
    Anchor = 0x5,          // result: the selection's fixed end
    SetOptions = 0x10,     // pointer to an OptionChange; result: the options before
    Options = 0x11,        // result: the options
    Search = 0x12,         // pointer to a SearchRequest
    Replace = 0x13,        // pointer to a ReplaceRequest
    CellSize = 0x14,       // result: the cell's width and height, packed like a position
    SetTabWidth = 0x15,    // columns 1..32; result: the width before
};

// What SetOptions points to: the bits of `mask` take the values in `value`.
struct OptionChange {
    std::uint32_t value = 0;
    std::uint32_t mask = 0;
};

// What Search points to: the text (searched with the pane's search flags) and whether to go
// on from the last hit. The result is 1 for a hit, 0 for none, -1 for a pattern in error.
struct SearchRequest {
    std::string text;
    bool continuing = false;
};

// What Replace points to. The result is the number of replacements, -1 for a pattern in error.
struct ReplaceRequest {
    static constexpr std::uint32_t kWholeFile = 2;
    static constexpr std::uint32_t kInSelection = 0xC002;
    std::uint32_t flags = kWholeFile;
    std::string text;
    std::string replacement;
};

// Positions travel as line × 65536 + column, both halves signed 16-bit numbers.
constexpr std::int64_t PackPosition(TextPosition at) {
    return static_cast<std::int64_t>(static_cast<std::uint16_t>(at.line)) << 16 |
           static_cast<std::uint16_t>(at.column);
}
constexpr TextPosition UnpackPosition(std::int64_t packed) {
    return {static_cast<std::int16_t>(packed & 0xFFFF),
            static_cast<std::int16_t>((packed >> 16) & 0xFFFF)};
}

struct PaneMenuEntry {
    std::optional<PaneCommandId> id; // nothing for a separator
    std::string_view text;
    bool enabled = false;
};

// The pane's entries for a right click at `at` (the word there decides the copy entry when
// nothing is selected); the selection, the clipboard and a read-only pane grey the others.
std::vector<PaneMenuEntry> PaneMenuEntries(PaneEditor& editor, TextPosition at,
                                           bool clipboardHasText);

// Runs a command of the pane or a register command; false when `id` is none of them.
bool RunPaneCommand(PaneEditor& editor, int id, TextPosition contextPosition);

} // namespace varnex
