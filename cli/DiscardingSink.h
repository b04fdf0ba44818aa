// A row sink that keeps nothing: the console tool reads the result from the engine itself.
#pragma once

#include "engine/fill/RowSink.h"

namespace varnex {

class DiscardingSink : public RowSink {
public:
    void Clear() override {}
    void SetReadOnly(bool) override {}
    int StyleCount() const override { return 0; }
    void AddStyle(int, std::uint32_t, std::uint32_t, int) override {}
    void SetLine(int, const std::uint8_t*, int) override {}
    void SetLineStyles(int, const std::uint8_t*, int, RowKind, int) override {}
};

} // namespace varnex
