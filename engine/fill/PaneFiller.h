// Hands one side of the aligned rows to a pane, row by row, with per-byte style ids.
#pragma once

#include "engine/fill/DifferenceStyles.h"
#include "engine/fill/RowSink.h"
#include "engine/load/SourceText.h"
#include "engine/result/AlignedRows.h"

namespace varnex {

// Placeholders and empty lines become one blank in the placeholder or row-kind style; other
// lines are given without their line end, each byte with its final style id.
void FillSink(RowSink& sink, Side side, const SourceText& text, const AlignedRows& rows,
              const DifferenceStyles& styles);

} // namespace varnex
