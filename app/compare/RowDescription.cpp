// What assistive technology says of a row and of a difference block.
#include "app/compare/RowDescription.h"

#include "res/StringId.h"
#include "res/StringTable.h"

#include <optional>
#include <utility>

namespace varnex {

namespace {

int KindText(RowKind kind) {
    switch (kind) {
    case RowKind::Inserted:
        return kStrRowInserted;
    case RowKind::Removed:
        return kStrRowRemoved;
    case RowKind::Changed:
        return kStrRowChanged;
    case RowKind::Equal:
        break;
    }
    return kStrRowEqual;
}

bool Differs(const AlignedRows& rows, int row) {
    return rows.Kind(row) != RowKind::Equal;
}

// The blocks are counted the way the navigation walks them: every run of differing rows is one,
// whatever kinds it mixes.
std::pair<int, int> PlaceOfBlock(const AlignedRows& rows, int start) {
    int number = 0;
    int count = 0;
    for (int row = 0; row < rows.Count(); ++row) {
        if (!Differs(rows, row) || (row > 0 && Differs(rows, row - 1))) continue;
        ++count;
        if (row <= start) number = count;
    }
    return {number, count};
}

// The first and last file line `side` shows in rows [start, end), if any.
std::optional<std::pair<int, int>> LinesShown(const AlignedRows& rows, Side side, int start,
                                              int end) {
    std::optional<std::pair<int, int>> lines;
    for (int row = start; row < end; ++row) {
        const int line = rows.Line(side, row);
        if (line == 0) continue;
        if (!lines) lines = std::pair{line, line};
        lines->second = line;
    }
    return lines;
}

} // namespace

std::string DescribeRow(const AlignedRows& rows, Side side, int row) {
    if (row < 0 || row >= rows.Count()) return {};
    const int line = rows.Line(side, row);
    if (line == 0) return LoadString(kStrRowPlaceholder);
    return FormatString(kStrRowOfLine,
                        {LoadString(KindText(rows.Kind(row))), std::to_string(line)});
}

std::string DescribeBlock(const AlignedRows& rows, Side side, int start, int end) {
    if (start < 0 || start >= rows.Count() || !Differs(rows, start)) return {};
    const auto [number, count] = PlaceOfBlock(rows, start);
    std::optional<std::pair<int, int>> lines = LinesShown(rows, side, start, end);
    if (!lines) lines = LinesShown(rows, OtherSide(side), start, end);
    if (!lines) return {};
    const std::string place = std::to_string(number);
    const std::string total = std::to_string(count);
    if (lines->first == lines->second)
        return FormatString(kStrBlockOfLine, {place, total, std::to_string(lines->first)});
    return FormatString(kStrBlockOfLines, {place, total, std::to_string(lines->first),
                                           std::to_string(lines->second)});
}

} // namespace varnex
