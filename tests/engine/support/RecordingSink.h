// A row sink that keeps what the engine hands it, for tests to read.
#pragma once

#include "engine/fill/RowSink.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

struct RecordedStyle {
    std::uint32_t textColour = 0;
    std::uint32_t background = 0;
    int fontFlags = 0;
};

struct RecordedLine {
    std::string text;
    std::vector<std::uint8_t> ids;
    std::optional<RowKind> kind;
};

class RecordingSink : public RowSink {
public:
    explicit RecordingSink(int ownStyles = 2) : ownStyles_(ownStyles) {}

    void Clear() override {
        lines.clear();
        ++clearCount;
    }
    void SetReadOnly(bool value) override { readOnly = value; }
    int StyleCount() const override { return ownStyles_ + static_cast<int>(styles.size()); }
    void AddStyle(int id, std::uint32_t textColour, std::uint32_t background,
                  int fontFlags) override {
        styles[id] = RecordedStyle{textColour, background, fontFlags};
    }
    void SetLine(int row, const std::uint8_t* bytes, int length) override {
        lines[row].text.assign(reinterpret_cast<const char*>(bytes), length);
    }
    void SetLineStyles(int row, const std::uint8_t* ids, int count, RowKind kind,
                       int stride) override {
        RecordedLine& line = lines[row];
        line.ids.clear();
        for (int c = 0; c < count; ++c)
            line.ids.push_back(ids[c * stride]);
        line.kind = kind;
    }

    std::map<int, RecordedStyle> styles;
    std::map<int, RecordedLine> lines;
    bool readOnly = false;
    int clearCount = 0;

private:
    int ownStyles_;
};

} // namespace varnex
