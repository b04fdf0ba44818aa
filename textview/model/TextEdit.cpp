// Inserting, deleting and reading text across lines: what paste, cut and drops are made of.
#include "textview/model/TextEdit.h"

#include "textview/model/PaneModel.h"
#include "textview/model/TabWidth.h"
#include "textview/model/TextColumns.h"

#include <algorithm>
#include <vector>

namespace varnex {

namespace {

std::string LineText(const PaneModel& document, int line) {
    const TextLine* record = document.GetLine(line);
    if (!record) return {};
    return std::string(reinterpret_cast<const char*>(record->Text()),
                       static_cast<std::size_t>(record->Length()));
}

int IndexOf(const std::string& text, int column) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return ColumnToIndex(bytes, static_cast<int>(text.size()), column, TabWidth::Get());
}

// The text of `line` up to `column`, reaching a column past its end with tabs, then blanks.
std::string HeadUpTo(const std::string& text, int column) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int tabWidth = TabWidth::Get();
    std::string head = text.substr(0, static_cast<std::size_t>(IndexOf(text, column)));
    int reached = IndexToColumn(bytes, length, length, tabWidth);
    if (head.size() < text.size()) return head;
    while ((reached / tabWidth + 1) * tabWidth <= column) {
        head += '\t';
        reached = (reached / tabWidth + 1) * tabWidth;
    }
    head.append(static_cast<std::size_t>(std::max(0, column - reached)), ' ');
    return head;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> parts(1);
    for (const char byte : bytes) {
        if (byte == '\n') {
            parts.emplace_back();
        } else {
            parts.back() += byte;
        }
    }
    return parts;
}

void Store(PaneModel& document, int line, const std::string& text) {
    document.SetLine(reinterpret_cast<const std::uint8_t*>(text.data()), line,
                     static_cast<int>(text.size()), 0);
}

} // namespace

std::string TextBetween(const PaneModel& document, TextPosition from, TextPosition to) {
    if (to < from) std::swap(from, to);
    std::string result;
    // The position after the last line ends the last line's line break.
    to.line = std::min(to.line, document.LineCount());
    for (int line = from.line; line <= to.line; ++line) {
        const std::string text = LineText(document, line);
        const int first = line == from.line ? IndexOf(text, from.column) : 0;
        const int last = line == to.line ? IndexOf(text, to.column) : static_cast<int>(text.size());
        if (line > from.line) result += '\n';
        if (last > first)
            result.append(text, static_cast<std::size_t>(first),
                          static_cast<std::size_t>(last - first));
    }
    return result;
}

std::optional<TextPosition> InsertTextAt(PaneModel& document, TextPosition at,
                                         std::string_view bytes) {
    const std::string text = LineText(document, at.line);
    const std::string head = HeadUpTo(text, at.column);
    const std::string tail = text.substr(std::min(head.size(), text.size()));
    std::vector<std::string> parts = SplitLines(bytes);
    parts.front().insert(0, head);
    parts.back() += tail;
    const PaneLimits& limits = document.Limits();
    const int added = static_cast<int>(parts.size()) - (at.line < document.LineCount() ? 1 : 0);
    if (document.LineCount() + added > limits.maxLineCount) return std::nullopt;
    for (const std::string& part : parts) {
        if (static_cast<int>(part.size()) > limits.maxLineLength) return std::nullopt;
    }
    if (at.line < document.LineCount()) {
        Store(document, at.line, parts.front());
    } else {
        document.InsertLine(at.line, reinterpret_cast<const std::uint8_t*>(parts.front().data()),
                            static_cast<int>(parts.front().size()));
    }
    for (std::size_t k = 1; k < parts.size(); ++k) {
        const std::string& part = parts[k];
        document.InsertLine(at.line + static_cast<int>(k),
                            reinterpret_cast<const std::uint8_t*>(part.data()),
                            static_cast<int>(part.size()));
    }
    const int endLine = at.line + static_cast<int>(parts.size()) - 1;
    const std::string& last = parts.back();
    const auto* lastBytes = reinterpret_cast<const std::uint8_t*>(last.data());
    const int endIndex = static_cast<int>(last.size() - tail.size());
    return TextPosition{
        IndexToColumn(lastBytes, static_cast<int>(last.size()), endIndex, TabWidth::Get()),
        endLine};
}

bool DeleteTextRange(PaneModel& document, TextPosition from, TextPosition to) {
    if (to < from) std::swap(from, to);
    if (from.line >= document.LineCount()) return true;
    const std::string head = HeadUpTo(LineText(document, from.line), from.column);
    std::string tail;
    if (to.line < document.LineCount()) {
        const std::string last = LineText(document, to.line);
        tail = last.substr(static_cast<std::size_t>(IndexOf(last, to.column)));
    }
    const std::string joined = head + tail;
    if (static_cast<int>(joined.size()) > document.Limits().maxLineLength) return false;
    Store(document, from.line, joined);
    const int lastRemoved = std::min(to.line, document.LineCount() - 1);
    document.DeleteLines(from.line + 1, lastRemoved - from.line);
    return true;
}

} // namespace varnex
