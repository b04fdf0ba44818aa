// Tells assistive technology what changed in a pane: its text, its caret, its selection and the
// description of the caret's line. Changes are gathered and told once control returns to the
// event loop, so filling 65 000 lines costs one look, and nothing at all while no assistive
// technology listens.
#pragma once

#include "textview/model/access/TextOffsets.h"

#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QAccessibleEvent;

namespace varnex {

class CAnsiEditView;

class PaneAccessEvents {
public:
    explicit PaneAccessEvents(CAnsiEditView& pane);

    const TextOffsets& Offsets() const { return offsets_; }
    // Something in the pane may have changed; cheap, call it after every change.
    void Changed();
    // Tells now what changed since the last time.
    void Flush();
    // A seam for tests, where no assistive technology listens: the events go to `teller`.
    using Teller = std::function<void(QAccessibleEvent& event)>;
    void SetTeller(Teller teller) { teller_ = std::move(teller); }

private:
    bool Listened() const;
    void Tell(QAccessibleEvent& event) const;
    void TellText();
    void TellCaret(int caretOffset, int caretLine);
    void TellSelection(std::optional<OffsetRange> selection, int caretOffset);

    CAnsiEditView& pane_;
    TextOffsets offsets_;
    QTimer flushTimer_;
    Teller teller_;
    std::u32string toldText_;
    std::uint64_t toldRevision_ = 0;
    int toldCaret_ = 0;
    int toldCaretLine_ = -1;
    std::optional<OffsetRange> toldSelection_;
};

} // namespace varnex
