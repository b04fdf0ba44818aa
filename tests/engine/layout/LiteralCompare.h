// A plain, step-by-step rendering of the compare passes, kept as the oracle for the engine.
#pragma once

#include "common/ByteBuffer.h"

#include <string>

namespace varnex::literal {

// Compares two texts in mode 0, 1 or 2 and returns the result in the engine's dump format.
// Uses the engine's loader and matcher; walk, layout, tokens, rows and smoothing are its own.
std::string LiteralCompareDump(const ByteBuffer& left, const ByteBuffer& right, int mode);

} // namespace varnex::literal
