// Pairs the lines of two files by their keys; in line-wise mode only identical lines stay paired.
#pragma once

#include "engine/load/SourceText.h"
#include "engine/match/Matcher.h"
#include "engine/result/RowKind.h"

#include <vector>

namespace varnex {

// One entry per left line: the 1-based partner in the right file or 0, then the end entry
// (right line count + 1).
std::vector<MatchEntry> MatchLines(const SourceText& left, const SourceText& right,
                                   CompareMode mode);

} // namespace varnex
