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

// A change of the edit options: the bits of `mask` take the values in `value`.
struct OptionChange {
    std::uint32_t value = 0;
    std::uint32_t mask = 0;
};

// A search from a host: the text (searched with the pane's search flags) and whether to go on
// from the last hit.
struct SearchRequest {
    std::string text;
    bool continuing = false;
};

enum class ReplaceScope { WholeFile, Selection };

// A replace-all from a host; the outcome is the number of replacements or the pattern's error.
struct ReplaceRequest {
    ReplaceScope scope = ReplaceScope::WholeFile;
    std::string text;
    std::string replacement;
};

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
