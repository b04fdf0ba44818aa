// Questions about the bytes of one line: where its content ends, equality, blankness.
#include "engine/layout/LineText.h"

#include "engine/load/LineKey.h"

#include <algorithm>

namespace varnex {

std::uint32_t ContentEnd(const SourceText& side, int line) {
    const std::uint32_t start = side.LineStart(line);
    std::uint32_t end = side.LineEnd(line);
    if (end > start && side.text[end - 1] == '\n') --end;
    if (end > start && side.text[end - 1] == '\r') --end;
    return end;
}

bool SameContent(const SourceText& left, int leftLine, const SourceText& right, int rightLine) {
    const std::uint32_t leftStart = left.LineStart(leftLine);
    const std::uint32_t leftEnd = ContentEnd(left, leftLine);
    const std::uint32_t rightStart = right.LineStart(rightLine);
    const std::uint32_t rightEnd = ContentEnd(right, rightLine);
    if (leftEnd - leftStart != rightEnd - rightStart) return false;
    return std::equal(left.text.begin() + leftStart, left.text.begin() + leftEnd,
                      right.text.begin() + rightStart);
}

bool IsBlankLines(const SourceText& side, int first, int count) {
    if (count < 1) return true;
    const auto begin = side.text.begin() + side.LineStart(first);
    const auto end = side.text.begin() + side.LineEnd(first + count - 1);
    return std::all_of(begin, end, [](std::uint8_t byte) { return IsBlankOrLineEnd(byte); });
}

} // namespace varnex
