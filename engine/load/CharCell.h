// The record kept for every byte of a loaded file.
#pragma once

#include <cstdint>

namespace varnex {

// No member initializers: the loader writes every cell of a file, so a new array of cells is
// left unfilled rather than zeroed first. CharCell{} is still all zeros.
struct CharCell {
    std::uint16_t column; // offset of the byte within its line
    std::uint16_t line;   // 0-based line number in the file
    std::uint16_t row;    // aligned row showing the byte
    std::uint8_t kind;    // RowKind of the byte after comparing
    std::uint8_t style;   // syntax style index, later raised by the offset of the byte's kind
};

// Files of 65520 lines have one cell per byte; the record size is what keeps that affordable.
static_assert(sizeof(CharCell) == 8, "CharCell must stay 8 bytes");

} // namespace varnex
