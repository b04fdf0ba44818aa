// A window for the pane model in tests: a scroll state, a counted beep, a clipboard string
// and the published status texts.
#pragma once

#include "textview/model/document/PaneModel.h"
#include "textview/model/editor/PaneEditor.h"
#include "textview/model/editor/PanePlatform.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace varnex {

// Positions read as (column, line) in test failures.
inline void PrintTo(const TextPosition& position, std::ostream* out) {
    *out << "(" << position.column << ", " << position.line << ")";
}

} // namespace varnex

namespace varnex::test {

class FakePlatform : public PanePlatform {
public:
    FakePlatform() { scroll.Measure(80 * 8, 20 * 16, 8, 16); }

    const ScrollState& Scroll() const override { return scroll; }
    void ScrollTo(int column, int line) override {
        scroll.firstColumn = std::max(column, 0);
        scroll.firstLine = std::max(line, 0);
    }
    void Beep() override { ++beeps; }
    void SetClipboardText(const std::string& bytes) override { clipboard = bytes; }
    std::optional<std::string> ClipboardText() const override { return clipboard; }
    void PublishStatus(const std::string& text, const std::string& mode) override {
        published.emplace_back(text, mode);
    }

    ScrollState scroll;
    int beeps = 0;
    std::optional<std::string> clipboard;
    std::vector<std::pair<std::string, std::string>> published;
};

// A pane model filled with lines, its platform and its editor.
struct EditedPane {
    explicit EditedPane(const std::vector<std::string>& lines, int maxLines = 100,
                        unsigned maxLength = 256)
        : document(maxLength, maxLines, 0, "EditedPane"), editor(document, platform) {
        for (const std::string& line : lines)
            Append(line);
        document.SetVisibleLines(0, platform.scroll.visibleLines);
    }

    void Append(const std::string& line) {
        document.SetLine(reinterpret_cast<const std::uint8_t*>(line.data()), document.LineCount(),
                         static_cast<int>(line.size()), 0);
    }

    std::string Line(int index) const {
        const TextLine* line = document.GetLine(index);
        return line ? std::string(reinterpret_cast<const char*>(line->Text()),
                                  static_cast<std::size_t>(line->Length()))
                    : std::string("<none>");
    }

    TextPosition Caret() const { return editor.Caret().Caret(); }

    PaneModel document;
    FakePlatform platform;
    PaneEditor editor;
};

} // namespace varnex::test
