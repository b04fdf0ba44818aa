// Lays two matched files out as aligned rows in one compare mode.
#pragma once

#include "engine/CancelFlag.h"
#include "engine/load/SourceText.h"
#include "engine/match/Matcher.h"
#include "engine/result/AlignedRows.h"
#include "engine/result/RowKind.h"

#include <vector>

namespace varnex {

// Walks the line map (one entry per left line plus the end entry) from the top and fills
// `rows`, giving every byte it places its row and kind. Stops at the row limit, or between
// blocks once `cancel` is set; returns the row count.
int LayOutRows(SourceText& left, SourceText& right, const std::vector<MatchEntry>& map,
               CompareMode mode, AlignedRows& rows, const CancelFlag* cancel = nullptr);

} // namespace varnex
