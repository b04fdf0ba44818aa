// The canonical text form of a comparison result, used by tests and the console tool.
#pragma once

#include "engine/CompareEngine.h"
#include "engine/load/SourceText.h"
#include "engine/result/AlignedRows.h"
#include "engine/result/RowKind.h"

#include <string>

namespace varnex {

// "mode", "rows ... blocks ...", one line per row, then per side one digit (the byte's kind)
// per byte of each line, line ends included.
std::string DumpResult(CompareMode mode, const AlignedRows& rows, int blockCount,
                       const SourceText& left, const SourceText& right);
// The dump of the engine's last comparison, or "error 1" / "error 2" for a failed load.
std::string DumpResult(const CompareEngine& engine, LoadResult loadResult);

} // namespace varnex
