// A pane's caret, selection, clipboard, editing and status: what keys, clicks and commands act on.
#pragma once

#include "textview/model/editor/Caret.h"
#include "textview/model/editor/CopiedText.h"
#include "textview/model/editor/KeyMacros.h"
#include "textview/model/editor/PanePlatform.h"
#include "textview/model/editor/PaneStatus.h"
#include "textview/model/editor/UndoRing.h"
#include "textview/model/search/Search.h"
#include "textview/model/search/WordMarks.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnex {

class PaneModel;

// The edit codes EditChar takes besides typed characters.
struct EditCode {
    static constexpr int kDeleteForward = 7;
    static constexpr int kBackspace = 8;
    static constexpr int kTab = 9;
    static constexpr int kEnter = 13;
};

// Where InsertText takes its text from and CopySelection puts it.
struct TextSlot {
    enum class Kind { Clipboard, Register, KeyMacro };
    Kind kind = Kind::Clipboard;
    int number = 0; // register 0..9, or key code 0x30..0x66

    static TextSlot Clipboard() { return {}; }
    static TextSlot Register(int n) { return {Kind::Register, n}; }
    static TextSlot KeyMacro(int code) { return {Kind::KeyMacro, code}; }
};

// What the modify hook is asked about before every edit and every undo or redo step.
struct EditRequest {
    enum class Step { Edit, Undo, Redo };
    Step step = Step::Edit;
    int line = 0;
    bool group = false;
};
// False cancels the edit, silently.
using ModifyHook = std::function<bool(const EditRequest& request)>;

// What the pane tells its host, with the codes the host expects.
enum class PaneNotification : int {
    FocusLost = 0x2CF7,
    FocusGained = 0x2CF8,
    TabForwarded = 0x2CF9, // Tab in a read-only pane that forwards it; value 1 with Shift
};
using NotificationHook = std::function<void(PaneNotification notification, int value)>;

// A word around a position: its characters before the position and from it on.
struct WordAround {
    int before = 0;
    int from = 0;
    bool Empty() const { return before + from == 0; }
    bool operator==(const WordAround&) const = default;
};

class PaneEditor {
public:
    PaneEditor(PaneModel& document, PanePlatform& platform);

    PaneModel& Document() { return document_; }
    const PaneModel& Document() const { return document_; }
    PanePlatform& Platform() { return platform_; }
    const CaretModel& Caret() const { return caret_; }
    CaretModel& Caret() { return caret_; }

    // Moves the caret (flags of CaretMove) without scrolling; returns 1.
    void SetCaret(int column, int line, int flags) { caret_.SetCaret(column, line, flags); }
    // Moves the caret, extending the selection or not, and brings it into view; returns where
    // it stood before.
    TextPosition MoveTo(TextPosition to, bool extend);
    void SelectAll();
    // Shows the text in `encoding` (see PaneModel::SetEncoding); caret and anchor stay at their
    // bytes, moved back to the start of the character holding them.
    void SetEncoding(TextEncoding encoding);
    // Column 0 of `line` to its end.
    void SelectLine(int line);
    // Selects the word (or run of one class) on the character at `cell`; false on blanks.
    bool SelectWordAt(TextPosition cell);
    // True when `at` lies in the selection, both ends of its range included.
    bool InSelection(TextPosition at) const;
    void EnsureCaretVisible();

    // The selected bytes, "\n" between lines, as copying takes them.
    std::string SelectedText() const;
    // How the host's lines go into copied text; without a rule every line as it is shown.
    void SetCopiedLineRule(CopiedLineRule rule) { copiedLineRule_ = std::move(rule); }
    // Copies the selection; the number of bytes copied.
    int CopySelection(TextSlot target = TextSlot::Clipboard());
    // Copies, then deletes what was copied. Edits are refused (with a beep) in a read-only
    // pane; they return false when nothing changed.
    bool CutSelection(TextSlot target = TextSlot::Clipboard());
    // `byReplace` when a replace deletes it.
    bool DeleteSelection(bool byReplace = false);
    // Inserts the clipboard's text, a register's (stored length 2 or more) or a key macro's.
    bool InsertText(TextSlot source);
    bool Paste() { return InsertText(TextSlot::Clipboard()); }
    // Replaces the selection with `bytes` (or inserts them at the caret) and leaves the caret
    // after them, or before them with "Vor Cursor einfügen"; line-wise with "Linienweise".
    bool InsertBytes(std::string_view bytes);
    // A typed character (a byte in a Windows-1252 pane, a code point in a UTF-8 pane) or one of
    // the codes 7 (delete forward), 8 (Backspace), 9 (Tab) and 13 (Enter); other codes below 32
    // are ignored. True when the text changed.
    bool EditChar(int code, bool recordUndo, bool shift = false);
    // Tab with a selection across lines: a tab before every line, or with `unindent` up to
    // one tab width of blanks (and a tab behind fewer) off every line, as one undo step.
    bool IndentBlock(bool unindent);
    // The word touching `at`, counted in characters on either side of it; empty when the line
    // does not exist or no word touches `at`. With `copy` a word goes to the clipboard.
    WordAround CopyWordAt(TextPosition at, bool copy);
    // Undoes or redoes one step (with the steps its run or group joins); false when nothing
    // was undone or redone.
    bool Undo() { return StepThroughHistory(EditRequest::Step::Undo); }
    bool Redo() { return StepThroughHistory(EditRequest::Step::Redo); }
    const UndoRing& History() const { return undo_; }

    // The search flags (SearchFlags bits) of this pane; returns the word before.
    std::uint32_t SetSearchFlags(std::uint32_t flags, std::uint32_t mask);
    std::uint32_t CurrentSearchFlags() const { return searchFlags_; }
    // Searches `text` with the pane's flags from the caret (from the text's start or end with
    // kWholeText, unless `continuing`), selects the hit and brings it into view.
    SearchOutcome Search(std::string_view text, bool continuing = false);
    // Replaces the hit the last search selected (still selected) by `replacement`, groups put
    // in; false when the selection is no longer that hit.
    bool ReplaceFound(std::string_view replacement);
    // Replaces every match in the whole text or in the selection as one undo step; the number
    // of replacements, or the pattern's error.
    std::variant<int, PatternError> ReplaceAll(std::string_view text, std::string_view replacement,
                                               bool inSelection);
    // The word the search asks the pane to mark (word marking); an empty word marks none.
    void SetHighlightWord(HighlightWord word);
    // That word while the search flag "Wort hervorheben" is on.
    std::optional<HighlightWord> Highlight() const;

    bool ReadOnly() const { return readOnly_; }
    // Returns whether the pane was editable before.
    bool SetEditable(bool editable);
    bool InsertMode() const { return (modeWord_ & kInsertModeBit) != 0; }
    void ToggleInsertMode();
    bool CaretEnabled() const { return (modeWord_ & kCaretBit) != 0; }
    void SetCaretEnabled(bool enabled);
    void Beep() { platform_.Beep(); }

    KeyMacros& Macros() { return macros_; }
    const KeyMacros& Macros() const { return macros_; }
    // Reads the key macros under the pane's settings path (else the program's); see KeyMacros.
    bool LoadKeyMacros(const std::optional<std::string>& name);

    void SetModifyHook(ModifyHook hook) { modifyHook_ = std::move(hook); }
    void SetNotificationHook(NotificationHook hook) { notify_ = std::move(hook); }
    // A read-only pane that forwards Tab tells its host instead of beeping.
    void SetForwardTab(bool forward) { forwardTab_ = forward; }

    // The status text is published only while the pane has the focus and output is on.
    void SetFocus(bool focused);
    bool HasFocus() const { return focused_; }
    void SetStatusOutput(bool on) { statusOutput_ = on; }
    void SetStatusHook(StatusHook hook) { statusHook_ = std::move(hook); }
    void SetCaretHook(std::function<void()> hook);
    void UpdateStatus();

    // After the text was cleared: caret at (0, 0), no selection, no history.
    void Reset();

private:
    static constexpr int kInsertModeBit = 0x1;
    static constexpr int kCaretBit = 0x2;

    bool RefuseWhenReadOnly();
    bool Allowed(EditRequest::Step step, int line);
    std::string LineWiseText(TextPosition start, TextPosition end) const;
    void ShowHitFromTheLeft(TextPosition start, TextPosition end);
    bool DeleteSelectionRecorded(bool byReplace);
    bool ApplyCharacter(int code, UndoRecord* record);
    bool BeyondLastLine(int code, UndoRecord* record);
    std::string TypedBytes(int code) const;
    bool Enter(UndoRecord* record);
    bool Backspace(UndoRecord* record);
    bool DeleteForward(UndoRecord* record);
    bool Type(int code, UndoRecord* record);
    bool Replace(TextPosition from, TextPosition to, std::string_view bytes, UndoRecord* record);
    void PlaceCaret(TextPosition at);
    UndoRecord* BeginRecord(bool recordUndo);
    void CommitRecord(UndoRecord* record);
    // `step` is Undo or Redo.
    bool StepThroughHistory(EditRequest::Step step);
    void UndoStep(UndoRecord& record);
    void RedoStep(UndoRecord& record);
    bool JoinsBack(const UndoRecord& record);
    bool JoinsForward(const UndoRecord& done);

    bool ReplaceLines(int first, int last, const std::vector<std::string>& lines);

    PaneModel& document_;
    PanePlatform& platform_;
    std::uint32_t searchFlags_ = 0;
    std::optional<TextMatch> lastHit_;
    std::optional<SearchPattern> lastPattern_;
    HighlightWord highlight_;
    CaretModel caret_;
    UndoRing undo_;
    KeyMacros macros_;
    bool readOnly_ = false;
    int modeWord_ = kInsertModeBit | kCaretBit;
    bool group_ = false; // the next record continues into the one before
    UndoRecord scratch_; // what an edit fills when it is not recorded
    bool forwardTab_ = false;
    bool focused_ = false;
    bool statusOutput_ = false;
    StatusHook statusHook_;
    ModifyHook modifyHook_;
    NotificationHook notify_;
    std::function<void()> caretHook_;
    std::optional<std::uint64_t> publishedKey_;
    bool publishedInsertMode_ = true;
    std::string publishedText_;
    CopiedLineRule copiedLineRule_;
};

} // namespace varnex
