// Writes a comparison as two columns of text, coloured for a terminal or marked for a pipe.
#pragma once

#include "cli/ContextRows.h"
#include "common/TextEncoding.h"
#include "engine/load/SourceText.h"
#include "engine/result/AlignedRows.h"

#include <array>
#include <string>
#include <vector>

namespace varnex {

struct SideBySideLayout {
    int width = 80; // whole line, in columns
    bool colour = false;
    int tabWidth = 4;
    EncodingChoice encoding = EncodingChoice::Automatic; // how both files' bytes are shown
};

class SideBySideWriter {
public:
    SideBySideWriter(const SourceText& left, const SourceText& right, const AlignedRows& rows,
                     SideBySideLayout layout);

    // The title line and one line per aligned row.
    std::string Write(const std::array<std::string, 2>& titles) const;
    // The title line and the rows of `stretches`; where rows are left out before a stretch, a
    // line in the titles' style says at which line of each file it starts.
    std::string Write(const std::array<std::string, 2>& titles,
                      const std::vector<RowStretch>& stretches) const;

private:
    void WriteTitles(std::string& out, const std::array<std::string, 2>& titles) const;
    void WriteRow(std::string& out, int row) const;
    int StartLine(Side side, RowStretch stretch) const;
    void WriteHalf(std::string& out, const SourceText& side, TextEncoding encoding, int line,
                   RowKind rowKind, bool fill) const;
    void WriteNumber(std::string& out, int line) const;

    const SourceText& left_;
    const SourceText& right_;
    const AlignedRows& rows_;
    SideBySideLayout layout_;
    TextEncoding leftEncoding_;
    TextEncoding rightEncoding_;
    int numberWidth_ = 1;
    int textWidth_ = 10;
};

} // namespace varnex
