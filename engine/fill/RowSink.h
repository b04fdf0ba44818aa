// What a pane must accept to show one side of a comparison.
#pragma once

#include "engine/result/RowKind.h"

#include <cstdint>

namespace varnex {

// Both sinks of one comparison share one style table: styles are added through the left
// sink only, and the ids given to SetLineStyles refer to that shared table.
class RowSink {
public:
    virtual ~RowSink() = default;

    virtual void Clear() = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // Number of styles the table holds now; the difference styles are placed after them.
    virtual int StyleCount() const = 0;
    // Colours are 0x00BBGGRR; 0xFFFFFFFF means the window's default colour. Given an id it
    // added before, the sink gives that style the new look.
    virtual void AddStyle(int id, std::uint32_t textColour, std::uint32_t background,
                          int fontFlags) = 0;
    // Row `row` shows `length` bytes (no line end). A sink may keep only as many as it holds.
    virtual void SetLine(int row, const std::uint8_t* bytes, int length) = 0;
    // Style id of byte c of the row is ids[c * stride]; `kind` is the row's, for characters a
    // sink cannot give a style otherwise.
    virtual void SetLineStyles(int row, const std::uint8_t* ids, int count, RowKind kind,
                               int stride) = 0;
};

} // namespace varnex
