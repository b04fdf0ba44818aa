// Lets a compare pane take the engine's rows: the row sink over a text pane.
#include "app/compare/PaneRowSink.h"

#include "textview/model/settings/StyleTable.h"
#include "textview/widgets/AnsiEditView.h"

namespace varnex {

namespace {

// Bytes are shown as they are stored; no conversion from UTF-8 or UTF-16.
constexpr int kBytesUnchanged = 0;

} // namespace

void PaneRowSink::Clear() {
    pane_.Clear();
}

void PaneRowSink::SetReadOnly(bool readOnly) {
    pane_.SetEditable(!readOnly);
}

int PaneRowSink::StyleCount() const {
    return pane_.Resources().Styles().Count();
}

// The difference styles follow from the syntax styles on every comparison; they are not
// settings of their own.
void PaneRowSink::AddStyle(int id, std::uint32_t textColour, std::uint32_t background,
                           int fontFlags) {
    StyleTable& styles = pane_.Resources().Styles();
    if (const std::optional<int> existing = styles.FindId(id)) {
        TextStyle& style = *styles.Get(*existing);
        if (!style.kept) {
            style.textColour = textColour;
            style.background = background;
            style.fontFlags = static_cast<std::uint32_t>(fontFlags);
            return;
        }
    }
    const int index =
        pane_.AddStyle(textColour, background, std::string(), static_cast<std::uint32_t>(id),
                       static_cast<std::uint32_t>(fontFlags));
    if (TextStyle* style = styles.Get(index)) style->kept = false;
}

void PaneRowSink::SetLine(int row, const std::uint8_t* bytes, int length) {
    pane_.SetLine(bytes, row, length, kBytesUnchanged);
}

// The pane takes the row's kind as its default style id.
void PaneRowSink::SetLineStyles(int row, const std::uint8_t* ids, int count, RowKind kind,
                                int stride) {
    pane_.SetLineStyles(row, ids, count, static_cast<int>(kind), stride);
}

} // namespace varnex
