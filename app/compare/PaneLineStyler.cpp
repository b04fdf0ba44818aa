// The loader's line styler: a scanning "Text" pane model styling each line by the file type's
// syntax.
#include "app/compare/PaneLineStyler.h"

#include "engine/Limits.h"

#include <algorithm>

namespace varnex {

PaneLineStyler::PaneLineStyler() : pane_(kMaxLineLength, kScanPaneMaxLines, 0, kResourceName) {
    pane_.SetSettingsPath(std::string(kSettingsPath));
    pane_.LoadStyles("", true);
    pane_.LoadStyles("", false);
}

int PaneLineStyler::StyleCount() const {
    return pane_.Resources().Styles().Count();
}

StyleLook PaneLineStyler::GetStyleLook(int index) const {
    const TextStyle* style = pane_.GetStyle(index);
    if (!style) return {};
    return {style->textColour, static_cast<int>(style->fontFlags)};
}

bool PaneLineStyler::SetSyntax(const std::string& fileTypeKey) {
    pane_.SetSyntax(fileTypeKey);
    if (const std::optional<std::bitset<256>> used = pane_.UsedStyles()) RememberUsed(*used);
    if (!brackets_) brackets_ = pane_.BracketRules();
    return pane_.SyntaxActive() || pane_.DefaultStyleIndex() != 0;
}

void PaneLineStyler::RememberUsed(const std::bitset<256>& used) {
    for (int index = 0; index < StyleCount(); ++index) {
        const TextStyle* style = pane_.GetStyle(index);
        if (style && index < static_cast<int>(used.size()) &&
            used.test(static_cast<std::size_t>(index)))
            usedStyleIds_.insert(style->id);
    }
}

void PaneLineStyler::StyleLine(const std::uint8_t* text, int line, int length,
                               std::vector<std::uint8_t>& styles) {
    const int index = pane_.SetLine(text, line, length, 0);
    const TextLine* stored = index >= 0 ? pane_.GetLine(index) : nullptr;
    if (!stored) {
        // A line the pane cannot hold is uncoloured, but every one of its bytes still counts.
        styles.assign(static_cast<std::size_t>(std::max(length, 0)), 0);
        return;
    }
    const std::uint8_t* indices = stored->Styles();
    if (indices) {
        styles.assign(indices, indices + stored->Length());
    } else {
        styles.assign(static_cast<std::size_t>(stored->Length()),
                      static_cast<std::uint8_t>(pane_.DefaultStyleIndex()));
    }
}

void PaneLineStyler::Clear() {
    pane_.Clear();
}

} // namespace varnex
