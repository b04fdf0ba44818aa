// Inserting, deleting and reading text across lines: what paste, cut and drops are made of.
#include "textview/model/document/TextEdit.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/TabWidth.h"

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

int IndexOf(const std::string& text, int column, TextEncoding encoding) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return ColumnToIndex(bytes, static_cast<int>(text.size()), column, TabWidth::Get(), encoding);
}

// The text of `line` up to `column`, reaching a column past its end with tabs, then blanks.
std::string HeadUpTo(const std::string& text, int column, TextEncoding encoding) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int tabWidth = TabWidth::Get();
    std::string head = text.substr(0, static_cast<std::size_t>(IndexOf(text, column, encoding)));
    int reached = IndexToColumn(bytes, length, length, tabWidth, encoding);
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
        const int first = line == from.line ? IndexOf(text, from.column, document.Encoding()) : 0;
        const int last = line == to.line ? IndexOf(text, to.column, document.Encoding())
                                         : static_cast<int>(text.size());
        if (line > from.line) result += '\n';
        if (last > first)
            result.append(text, static_cast<std::size_t>(first),
                          static_cast<std::size_t>(last - first));
    }
    return result;
}

namespace {

// The lines that take the place of line `at.line` when `bytes` go in at `at`.
struct Insertion {
    std::vector<std::string> lines;
    std::size_t tailLength = 0; // bytes of the old line that follow the inserted text
    bool pastEnd = false;       // `at` is the position after the last line
    bool endsWithBreak = false; // past the end, a final line break makes no line of its own
};

Insertion PlanInsertion(const PaneModel& document, TextPosition at, std::string_view bytes) {
    Insertion plan;
    const std::string text = LineText(document, at.line);
    const std::string head = HeadUpTo(text, at.column, document.Encoding());
    const std::string tail = text.substr(std::min(head.size(), text.size()));
    plan.lines = SplitLines(bytes);
    plan.lines.front().insert(0, head);
    plan.lines.back() += tail;
    plan.tailLength = tail.size();
    plan.pastEnd = at.line >= document.LineCount();
    if (plan.pastEnd && plan.lines.size() > 1 && plan.lines.back().empty()) {
        plan.lines.pop_back();
        plan.endsWithBreak = true;
    }
    return plan;
}

bool FitsLimits(const PaneModel& document, const Insertion& plan) {
    const PaneLimits& limits = document.Limits();
    const int added = static_cast<int>(plan.lines.size()) - (plan.pastEnd ? 0 : 1);
    if (document.LineCount() + added > limits.maxLineCount) return false;
    return std::all_of(plan.lines.begin(), plan.lines.end(), [&](const std::string& line) {
        return static_cast<int>(line.size()) <= limits.maxLineLength;
    });
}

void AddLine(PaneModel& document, int index, const std::string& text) {
    document.InsertLine(index, reinterpret_cast<const std::uint8_t*>(text.data()),
                        static_cast<int>(text.size()));
}

} // namespace

std::optional<TextPosition> InsertTextAt(PaneModel& document, TextPosition at,
                                         std::string_view bytes) {
    const Insertion plan = PlanInsertion(document, at, bytes);
    if (!FitsLimits(document, plan)) return std::nullopt;
    if (plan.pastEnd) {
        AddLine(document, at.line, plan.lines.front());
    } else {
        Store(document, at.line, plan.lines.front());
    }
    for (std::size_t k = 1; k < plan.lines.size(); ++k)
        AddLine(document, at.line + static_cast<int>(k), plan.lines[k]);
    const int lineCount = static_cast<int>(plan.lines.size());
    if (plan.endsWithBreak) return TextPosition{0, at.line + lineCount};
    const std::string& last = plan.lines.back();
    const auto* lastBytes = reinterpret_cast<const std::uint8_t*>(last.data());
    const int endIndex = static_cast<int>(last.size() - plan.tailLength);
    return TextPosition{IndexToColumn(lastBytes, static_cast<int>(last.size()), endIndex,
                                      TabWidth::Get(), document.Encoding()),
                        at.line + lineCount - 1};
}

bool DeleteTextRange(PaneModel& document, TextPosition from, TextPosition to) {
    if (to < from) std::swap(from, to);
    if (from.line >= document.LineCount()) return true;
    // From a line's start to the position after the last line: those lines go entirely.
    if (to.line >= document.LineCount() && from.column == 0) {
        document.DeleteLines(from.line, document.LineCount() - from.line);
        return true;
    }
    const std::string head =
        HeadUpTo(LineText(document, from.line), from.column, document.Encoding());
    std::string tail;
    if (to.line < document.LineCount()) {
        const std::string last = LineText(document, to.line);
        tail = last.substr(static_cast<std::size_t>(IndexOf(last, to.column, document.Encoding())));
    }
    const std::string joined = head + tail;
    if (static_cast<int>(joined.size()) > document.Limits().maxLineLength) return false;
    Store(document, from.line, joined);
    const int lastRemoved = std::min(to.line, document.LineCount() - 1);
    document.DeleteLines(from.line + 1, lastRemoved - from.line);
    return true;
}

} // namespace varnex
