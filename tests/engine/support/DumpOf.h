// Compares two texts held in strings and returns the result's dump.
#pragma once

#include "engine/CompareEngine.h"
#include "engine/result/ResultDump.h"
#include "tests/engine/support/RecordingSink.h"

#include <string>
#include <vector>

namespace varnex {

inline ByteBuffer BytesOf(const std::string& text) {
    return ByteBuffer(text.begin(), text.end());
}

inline std::string DumpOf(const std::string& left, const std::string& right, CompareMode mode) {
    CompareEngine engine;
    RecordingSink leftSink;
    RecordingSink rightSink;
    engine.CompareTexts("left", BytesOf(left), "right", BytesOf(right), mode, nullptr, leftSink,
                        rightSink);
    return DumpResult(engine, LoadResult::Ok);
}

} // namespace varnex
