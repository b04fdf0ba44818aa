// Turns a file's bytes into a SourceText: line starts, line keys and per-byte cells.
#pragma once

#include "common/FileProbe.h"
#include "engine/load/LineStyler.h"
#include "engine/load/SourceText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

// Reads the file at `side.path` and splits it; false when it cannot be opened or read
// (a missing file, a folder, pipe or device, an unreadable or oversized file). The side is left
// empty then. Throws std::bad_alloc when memory runs out.
bool LoadSourceFile(SourceText& side, LineStyler* styler);

// Splits bytes already in memory (standard input, pipes) the same way.
void LoadSourceBytes(SourceText& side, ByteBuffer bytes, LineStyler* styler);

// Gives back all memory the side holds; only its path stays.
void ReleaseSource(SourceText& side);

} // namespace varnex
