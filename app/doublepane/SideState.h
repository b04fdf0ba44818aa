// What the double-pane window knows of each side: its file, which file line each row shows,
// and which rows show an empty line.
#pragma once

#include "textview/model/editor/CopiedText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

struct SideState {
    std::string path;
    // 1-based file line of each row, 0 for a placeholder row.
    std::vector<std::uint16_t> lines;
    // Rows whose file line is empty: the pane shows a blank there only so that the row's
    // colour is seen.
    std::vector<bool> emptyLines;
};

// Copying a compare pane gives the file's own text: no placeholder rows, empty lines empty.
inline CopiedLine CopiedLineOfRow(const SideState& state, int row) {
    const auto index = static_cast<std::size_t>(row);
    if (row < 0 || index >= state.lines.size()) return CopiedLine::AsShown;
    if (state.lines[index] == 0) return CopiedLine::LeftOut;
    if (index < state.emptyLines.size() && state.emptyLines[index]) return CopiedLine::Empty;
    return CopiedLine::AsShown;
}

} // namespace varnex
