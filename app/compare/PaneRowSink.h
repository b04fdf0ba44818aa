// Lets a compare pane take the engine's rows: the row sink over a text pane.
#pragma once

#include "engine/fill/RowSink.h"

namespace varnex {

class CAnsiEditView;

class PaneRowSink : public RowSink {
public:
    explicit PaneRowSink(CAnsiEditView& pane) : pane_(pane) {}

    void Clear() override;
    void SetReadOnly(bool readOnly) override;
    int StyleCount() const override;
    void AddStyle(int id, std::uint32_t textColour, std::uint32_t background,
                  int fontFlags) override;
    void SetLine(int row, const std::uint8_t* bytes, int length) override;
    void SetLineStyles(int row, const std::uint8_t* ids, int count, RowKind kind,
                       int stride) override;

private:
    CAnsiEditView& pane_;
};

} // namespace varnex
