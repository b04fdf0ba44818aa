// The text that copying and dragging take from a pane.
#include "textview/model/editor/CopiedText.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextEdit.h"

#include <algorithm>

namespace varnex {

namespace {

CopiedLine RuleFor(const CopiedLineRule& rule, const PaneModel& document, int line) {
    return rule && line < document.LineCount() ? rule(line) : CopiedLine::AsShown;
}


} // namespace

std::string CopiedTextBetween(const PaneModel& document, TextPosition from, TextPosition to,
                              const CopiedLineRule& rule) {
    if (!rule) return TextBetween(document, from, to);
    if (to < from) std::swap(from, to);
    to.line = std::min(to.line, document.LineCount());
    std::string text;
    for (int line = from.line; line <= to.line; ++line) {
        const CopiedLine copied = RuleFor(rule, document, line);
        if (copied == CopiedLine::LeftOut) continue;
        if (copied == CopiedLine::AsShown) {
            const int first = line == from.line ? from.column : 0;
            const int last = line == to.line ? to.column : document.LineWidth(line);
            text += TextBetween(document, {first, line}, {std::max(first, last), line});
        }
        if (line < to.line) text += '\n';
    }
    return text;
}

std::string CopiedWholeLines(const PaneModel& document, int first, int last,
                             const CopiedLineRule& rule) {
    std::string text;
    for (int line = first; line <= last && line < document.LineCount(); ++line) {
        const CopiedLine copied = RuleFor(rule, document, line);
        if (copied == CopiedLine::LeftOut) continue;
        if (copied == CopiedLine::AsShown)
            text += TextBetween(document, {0, line}, {document.LineWidth(line), line});
        text += '\n';
    }
    return text;
}

} // namespace varnex
