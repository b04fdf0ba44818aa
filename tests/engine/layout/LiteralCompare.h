// A plain, step-by-step rendering of the compare passes, kept as the oracle for the engine.
#pragma once

#include "common/ByteBuffer.h"

#include <string>

namespace varnex::literal {

// Which matcher pairs the lines and the units of a character block.
enum class Matching { Engine, Reference };

// Compares two texts in any CompareMode and returns the result in the engine's dump format.
// Uses the engine's loader and, unless told to use the reference matcher (tests/engine/match),
// the engine's matcher; walk, layout, tokens, rows and smoothing are its own.
std::string LiteralCompareDump(const ByteBuffer& left, const ByteBuffer& right, int mode,
                               Matching matching = Matching::Engine);

} // namespace varnex::literal
