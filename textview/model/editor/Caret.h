// The caret and the selection of a pane: where they stand and how SetCaret moves them.
#pragma once

#include "textview/model/document/TextPosition.h"
#include "textview/model/editor/BracketMatch.h"

#include <functional>
#include <optional>

namespace varnex {

class PaneModel;

enum class SelectionState : int {
    None = 0,
    OneLine = 1,     // anchor and caret on one line, in different columns
    AcrossLines = 2, // anchor and caret on different lines
};

// Flags of SetCaret.
struct CaretMove {
    static constexpr int kRelative = 0x1; // column and line are added to the caret
    static constexpr int kExtend = 0x2;   // the anchor stays: the selection grows or shrinks
    static constexpr int kCtrl = 0x4;     // passed on by the keys while Ctrl is held
    static constexpr int kNoWrap = 0x8;   // never wrap to the previous or next line
    static constexpr int kSingleStep = 0x80;
};

class CaretModel {
public:
    explicit CaretModel(PaneModel& document);

    TextPosition Caret() const { return caret_; }
    TextPosition Anchor() const { return anchor_; }
    SelectionState Selection() const { return selection_; }
    bool HasSelection() const { return selection_ != SelectionState::None; }
    // The selection's ends in text order.
    TextPosition SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    TextPosition SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    int RememberedColumn() const { return rememberedColumn_; }
    const BracketMatch& Bracket() const { return bracket_; }

    // Bracket matching works only with rules, which a syntax configuration brings.
    void SetBracketRules(std::optional<BracketRules> rules) { bracketRules_ = std::move(rules); }

    // Called after the caret moved to another position.
    void SetMovedHook(std::function<void()> hook) { movedHook_ = std::move(hook); }
    // Called after every SetCaret, moved or not.
    void SetStatusHook(std::function<void()> hook) { statusHook_ = std::move(hook); }

    // Moves the caret (flags of CaretMove).
    void SetCaret(int column, int line, int flags);
    // Drops the bracket highlight (an option that rules it changed).
    void ClearBracket();
    // Back to (0, 0) without a selection or bracket highlight, as after clearing the text.
    void Reset();

private:
    TextPosition Target(int column, int line, int flags, bool& keepRemembered) const;
    std::optional<TextPosition> CollapsedTarget(int column, int line) const;
    TextPosition ClampToText(TextPosition target, int column, int flags) const;
    TextPosition ClampToLine(TextPosition target, int column, int flags) const;
    void UpdateSelection(TextPosition target, bool extend);
    void MatchBracket(TextPosition target);
    void MarkBracket(const BracketMatch& match);
    void MarkLines(int from, int to);

    PaneModel& document_;
    TextPosition caret_;
    TextPosition anchor_;
    SelectionState selection_ = SelectionState::None;
    int rememberedColumn_ = 0;
    BracketMatch bracket_;
    std::optional<BracketRules> bracketRules_;
    std::function<void()> movedHook_;
    std::function<void()> statusHook_;
};

} // namespace varnex
