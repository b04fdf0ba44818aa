// The scan of one line: from the state the line before left, every byte gets the style index of
// its token class, and the state for the next line comes out.
#pragma once

#include "textview/model/syntax/ScanTables.h"

#include <array>
#include <cstdint>

namespace varnex {

// Style index per token class, by the enum's order.
using StyleIndices = std::array<std::uint8_t, kTokenClassCount>;

class LineScan {
public:
    // `styles` has room for `length` bytes (it may be null when `length` is 0). Line-end bytes
    // (CR, LF) at the end of `text` take the style of what runs on into the next line.
    LineScan(const ScanTables& tables, const StyleIndices& indices, const std::uint8_t* text,
             int length, std::uint8_t* styles);

    // Scans from `state` (0, or the number + 1 of the region the line starts in) and returns
    // the state the next line starts in.
    std::uint8_t Run(std::uint8_t state);

private:
    int ScanToken(int at, std::uint8_t& state);
    int ScanLineRule();
    int ScanRegion(std::size_t rule, int at, std::uint8_t& state);
    // The end of region `rule` searched from `from`: just past its end delimiter, or the line's
    // content end with `open` telling whether the region runs on into the next line.
    int RegionEnd(std::size_t rule, int from, bool& open) const;
    int RegionAt(int at) const;
    int ScanWord(int at);
    int ScanNumber(int at);
    int ScanPlain(int at);
    bool StartsFraction(int at) const;
    bool StartsAt(int at, const std::string& part) const;
    void Fill(int from, int to, TokenClass tokenClass);

    const ScanTables& tables_;
    const StyleIndices& indices_;
    const std::uint8_t* text_;
    std::uint8_t* styles_;
    int length_;
    int end_; // where the line's content ends, before CR and LF
};

} // namespace varnex
