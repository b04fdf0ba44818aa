// A pane's caret, selection, clipboard and status: what keys, clicks and commands act on.
#pragma once

#include "textview/model/Caret.h"
#include "textview/model/PanePlatform.h"
#include "textview/model/PaneStatus.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

class PaneModel;

class PaneEditor {
public:
    PaneEditor(PaneModel& document, PanePlatform& platform);

    PaneModel& Document() { return document_; }
    const PaneModel& Document() const { return document_; }
    PanePlatform& Platform() { return platform_; }
    const CaretModel& Caret() const { return caret_; }
    CaretModel& Caret() { return caret_; }

    // Moves the caret (flags of CaretMove) without scrolling; returns 1.
    int SetCaret(int column, int line, int flags) { return caret_.SetCaret(column, line, flags); }
    // Moves the caret, extending the selection or not, and brings it into view; returns where
    // it stood before.
    TextPosition MoveTo(TextPosition to, bool extend);
    void SelectAll();
    // Column 0 of `line` to its end.
    void SelectLine(int line);
    // Selects the word (or run of one class) on the character at `cell`; false on blanks.
    bool SelectWordAt(TextPosition cell);
    // True when `at` lies in the selection, both ends of its range included.
    bool InSelection(TextPosition at) const;
    void EnsureCaretVisible();

    // The selected bytes, "\n" between lines, as copying takes them.
    std::string SelectedText() const;
    // Copies the selection to the clipboard; the number of bytes copied.
    int CopySelection();
    // Refused (with a beep) in a read-only pane; false when nothing changed.
    bool CutSelection();
    bool DeleteSelection();
    bool Paste();
    // Replaces the selection with `bytes` (or inserts them at the caret) and leaves the caret
    // after them, or before them with "Vor Cursor einfügen".
    bool InsertText(std::string_view bytes);

    bool ReadOnly() const { return readOnly_; }
    // Returns whether the pane was editable before.
    bool SetEditable(bool editable);
    bool InsertMode() const { return (modeWord_ & kInsertModeBit) != 0; }
    void ToggleInsertMode();
    bool CaretEnabled() const { return (modeWord_ & kCaretBit) != 0; }
    void SetCaretEnabled(bool enabled);
    void Beep() { platform_.Beep(); }

    // The status text is published only while the pane has the focus and output is on.
    void SetFocus(bool focused);
    bool HasFocus() const { return focused_; }
    void SetStatusOutput(bool on) { statusOutput_ = on; }
    void SetStatusHook(StatusHook hook) { statusHook_ = std::move(hook); }
    void SetCaretHook(std::function<void()> hook);
    void UpdateStatus();

    // After the text was cleared: caret at (0, 0), no selection.
    void Reset() { caret_.Reset(); }

private:
    static constexpr int kInsertModeBit = 0x1;
    static constexpr int kCaretBit = 0x2;

    bool RefuseWhenReadOnly();
    std::string LineWiseText(TextPosition start, TextPosition end) const;

    PaneModel& document_;
    PanePlatform& platform_;
    CaretModel caret_;
    bool readOnly_ = false;
    int modeWord_ = kInsertModeBit | kCaretBit;
    bool focused_ = false;
    bool statusOutput_ = false;
    StatusHook statusHook_;
    std::function<void()> caretHook_;
    std::optional<std::uint64_t> publishedKey_;
    bool publishedInsertMode_ = true;
};

} // namespace varnex
