// One loaded file: its bytes, line starts, line keys and per-byte cells.
#pragma once

#include "common/ByteBuffer.h"
#include "engine/load/CharCellArray.h"
#include "engine/load/LineKey.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

struct SourceText {
    std::string path;
    ByteBuffer text;
    // Entry k is the offset of line k; the entry after the last line is the end of that line.
    std::vector<std::uint32_t> lineStarts{0};
    std::vector<LineKey> keys;
    CharCellArray cells;

    std::int32_t Length() const { return static_cast<std::int32_t>(text.size()); }
    int LineCount() const { return static_cast<int>(keys.size()); }
    std::uint32_t LineStart(int line) const { return lineStarts[line]; }
    std::uint32_t LineEnd(int line) const { return lineStarts[line + 1]; }
};

} // namespace varnex
