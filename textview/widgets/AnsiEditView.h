// The text pane a host fills: owns lines and styles, loads and saves settings, draws its lines,
// and turns keys and the mouse into caret moves, selections and edits.
#pragma once

#include "textview/dialogs/ColoursDlg.h"
#include "textview/dialogs/DialogSeams.h"
#include "textview/model/document/PaneModel.h"
#include "textview/model/editor/PaneCommands.h"
#include "textview/model/editor/PaneEditor.h"
#include "textview/model/editor/PaneKeys.h"
#include "textview/model/editor/PaneMouse.h"
#include "textview/model/editor/PanePlatform.h"
#include "textview/model/search/WordMarks.h"
#include "textview/model/settings/ZoomSteps.h"
#include "textview/widgets/AnsiView.h"
#include "textview/widgets/FontChooser.h"
#include "textview/widgets/PaneAccessEvents.h"

#include <QDrag>
#include <QTimer>

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class QMenu;

namespace varnex {

// As with CAnsiView, the name stays from when panes held only 8-bit text: the pane edits and
// draws its bytes as Windows-1252 or as UTF-8 (SetEncoding).
class CAnsiEditView : public CAnsiView, private PanePlatform {
    Q_OBJECT

public:
    static constexpr std::uint8_t kPerCharacterStyles = PaneModel::kPerCharacterStyles;
    // Margin width the "Zeilennummern anzeigen" option asks for.
    static constexpr int kOptionMarginWidth = 32;

    CAnsiEditView(unsigned maxLineLength, int maxLineCount, std::uint8_t options,
                  const std::string& resourceName, QWidget* parent = nullptr);
    ~CAnsiEditView() override;

    // The host operations, in the order a host uses them.
    void SetSettingsPath(std::optional<std::string> path) {
        model_.SetSettingsPath(std::move(path));
    }
    // Reads the group's font and styles from the machine-wide or the user's hive. True when
    // "Colors" was read; a font found without it is applied all the same.
    bool LoadSettings(const std::string& section, bool machineWide);
    void SetSyntax(const std::optional<std::string>& name);
    int AddStyle(std::uint32_t textColour, std::uint32_t background, const std::string& name,
                 std::uint32_t id, std::uint32_t fontFlags);
    const TextStyle* GetStyle(int index) const { return model_.GetStyle(index); }
    int SetLine(const std::uint8_t* text, int index, int length, int encodingFlags);
    bool SetLineStyles(int index, const std::uint8_t* ids, int count, int defaultId, int stride);
    // Also puts the caret back to (0, 0) without a selection.
    bool Clear();
    virtual const TextLine* GetLine(int index) const { return model_.GetLine(index); }

    // Writes the group's font and styles to the user's hive.
    bool SaveSettings(const std::string& section);
    // Lets the user choose the group's font; on OK every pane of the group takes it and the
    // group's settings are saved (under the section they were loaded from). False when
    // cancelled. A save that fails is told in a message; the choice stays in effect.
    bool ChooseFont();
    void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }
    // Shows the group's font a size larger or smaller (6 to 48 points), or as stored again, in
    // every pane of the group; nothing is stored. False when the size stays.
    bool Zoom(ZoomStep step);
    // "Farben einstellen" over the group's styles; on OK the group's settings are saved (a
    // failure is told as ChooseFont tells it), every pane of the group repaints and
    // ColoursChosen is sent. False when cancelled.
    bool ChooseColours();
    void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
    // The style indices the colours dialog offers with "Nur für aktelles Format"; a host whose
    // text is styled elsewhere gives them, else the active syntax configuration does.
    void SetUsedStyles(std::optional<std::bitset<256>> used) { hostUsedStyles_ = std::move(used); }
    // Reads the editor options and tab width stored under the options path for `name`.
    bool LoadOptions(const std::string& name, bool machineWide);
    // Writes the process-wide options under the name LoadOptions was given; they are also
    // written when a pane goes while they are changed. SaveChosenOptions tells the user
    // ("Fehler", the file and the reason) when they could not be written.
    StoreResult SaveOptions();
    bool SaveChosenOptions();
    // A host that draws its own margin keeps it whatever "Zeilennummern anzeigen" says.
    void SetMarginFollowsOptions(bool follows) { marginFollowsOptions_ = follows; }
    bool MarginFollowsOptions() const { return marginFollowsOptions_; }

    const PaneModel& Model() const { return model_; }
    // How the pane shows its bytes (Windows-1252 by default); repaints and rescales the
    // scroll range. The caret stays at its bytes.
    void SetEncoding(TextEncoding encoding);
    TextEncoding Encoding() const { return model_.Encoding(); }
    void SetMixedStyleRule(PaneModel::MixedStyleRule rule);
    int LineCount() const override { return model_.LineCount(); }
    int ContentColumns() const override { return model_.WidestLine(); }
    int PrintLine(LinePainter& lines, const QRect& rect, int line, int firstColumn, int columnCount,
                  int flags) override;

    // The caret, the selection and what a host does with them.
    const PaneEditor& Editor() const { return editor_; }
    PaneEditor& Editor() { return editor_; }
    void SetCaret(int column, int line, int flags);
    TextPosition MoveTo(TextPosition to, bool extend);
    void SelectAll();
    int CopySelection();
    // Returns whether the pane was editable before; a read-only pane refuses every edit.
    bool SetEditable(bool editable);
    bool ReadOnly() const { return editor_.ReadOnly(); }
    // The status text goes to StatusPublished only while this is on and the pane has the focus.
    void SetStatusOutput(bool on) { editor_.SetStatusOutput(on); }
    void SetStatusHook(StatusHook hook) { editor_.SetStatusHook(std::move(hook)); }
    void SetCaretHook(std::function<void()> hook) { editor_.SetCaretHook(std::move(hook)); }
    void SetBracketRules(std::optional<BracketRules> rules);
    void SetDragEnabled(bool enabled) { mouse_.SetDragEnabled(enabled); }
    void SetModifyHook(ModifyHook hook) { editor_.SetModifyHook(std::move(hook)); }
    void SetDocumentHooks(DocumentHooks hooks) { model_.SetHooks(std::move(hooks)); }
    // A read-only pane that forwards Tab reports it as a Notification instead of beeping.
    void SetForwardTab(bool forward) { editor_.SetForwardTab(forward); }
    // Reads the key macros (see KeyMacros); true when some were read.
    bool LoadKeyMacros(const std::optional<std::string>& name);

    // The pane's context menu: a host hook may fill the menu first and, returning true, take it
    // over; otherwise the pane adds its entries and its base entries.
    using ContextMenuHook = std::function<bool(QMenu& menu, QPoint globalPosition)>;
    void SetContextMenuHook(ContextMenuHook hook) { contextMenuHook_ = std::move(hook); }
    // The menu for a right click at `point` of the viewport, or null when the hook took it; the
    // caller owns it.
    QMenu* BuildContextMenu(QPoint point);
    // Runs one of the pane's commands or register commands; false for other ids.
    bool RunCommand(int id);

    // What assistive technology reads: the text by character offsets, and what the host says
    // of a line (its kind and its number in the file, say).
    const TextOffsets& Offsets() const { return accessEvents_.Offsets(); }
    PaneAccessEvents& AccessEvents() { return accessEvents_; }
    using LineDescriber = std::function<std::string(int line)>;
    void SetLineDescriber(LineDescriber describer) { lineDescriber_ = std::move(describer); }
    std::string CaretLineDescription() const {
        return lineDescriber_ ? lineDescriber_(CaretPosition().line) : std::string();
    }

    // What hosts and dialogs ask of the pane beyond its text.
    TextPosition CaretPosition() const { return editor_.Caret().Caret(); }
    // The anchor while there is a selection, else the caret.
    TextPosition SelectionFixedEnd() const;
    // Extends the selection to `to`; returns the fixed end from before.
    TextPosition ExtendSelectionTo(TextPosition to);
    // The first visible cell (column, line).
    TextPosition ScrollPosition() const { return {Scroll().firstColumn, Scroll().firstLine}; }
    // Scrolls `first` into the top left cell and repaints; returns the position from before.
    TextPosition ScrollToCell(TextPosition first);
    // Sets the edit options under `change.mask` and lets every pane follow; the options before.
    std::uint32_t SetEditOptions(OptionChange change);
    // Sets the tab width when it is 1..32 and new, and lays every pane out again; the width
    // before.
    int SetTabWidth(int columns);
    // Searches or replaces as the dialogs do, with the pane's search flags.
    SearchOutcome Search(const SearchRequest& request);
    std::variant<int, PatternError> Replace(const ReplaceRequest& request);

    // The pane's dialogs; each returns the dialog's result.
    int OpenFindDialog();
    int OpenReplaceDialog();
    int OpenOptionsDialog();
    // "Weitersuchen": the last search text on from the caret (the find dialog when there is
    // none yet). "Bereich suchen": the selection's first line, or else the word at the caret, as
    // plain text. Both report a miss in a message box; true on a hit.
    bool FindNext();
    bool FindSelected();
    void SetDialogSeams(DialogSeams seams) { dialogSeams_ = std::move(seams); }
    // Marks the word that `source`'s searches highlight ("Wort hervorheben"), or nothing when
    // its highlight is off: panes that show one text together mark alike.
    void TakeHighlightFrom(const CAnsiEditView& source);

    // Seams for tests: the beep, the clock of the triple click (milliseconds), and how a drag
    // runs (QDrag::exec by default).
    using DragRunner = std::function<Qt::DropAction(QDrag& drag, Qt::DropActions allowed)>;
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }
    void SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    void SetDragRunner(DragRunner runner) { runDrag_ = std::move(runner); }

    void SharedSettingsChanged() override;

    // PanePlatform, which the host may use as well.
    const ScrollState& Scroll() const override { return CAnsiView::Scroll(); }
    void ScrollTo(int column, int line) override { CAnsiView::ScrollTo(column, line); }

signals:
    // The colours dialog closed with OK: hosts that derive styles from the group's take them anew.
    void ColoursChosen();
    // The caret text and the insert-mode mark for the host's status bar.
    void StatusPublished(const QString& text, const QString& mode);
    // The pane got a selection or lost it: what copying may do changed.
    void SelectionChanged();
    // A dialog of the pane switched the search word's highlight or gave it another word.
    void HighlightChanged();
    // Focus lost (0x2CF7) or gained (0x2CF8), Tab forwarded (0x2CF9, value 1 with Shift).
    void Notification(int code, int value);

protected:
    void VisibleLinesChanged() override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Beep() override { beep_(); }
    void SetClipboardText(const std::string& bytes) override;
    std::optional<std::string> ClipboardText() const override;
    void PublishStatus(const std::string& text, const std::string& mode) override;

    friend class PaneSearchTarget;
    void AfterChange();
    void ApplyLineNumberOption();
    void SaveChoice();
    void TellNotSaved(const StoreFailure& failure);
    bool SearchAndReport(const std::string& text);
    void AfterInteraction();
    void OfferPrimarySelection();
    StyleValue StyleValueAt(const TextLine& line, int index) const;
    void FillStyleValues(const TextLine& line, int first, int count);
    int OverlaySelection(int line, int firstIndex, int startColumn, LineCells& cells);
    std::optional<std::pair<int, int>> VirtualSelection(const TextLine& record, int line) const;
    void OverlayBracket(int line, int firstIndex, int startColumn, int& flags);
    void OverlayWordMarks(int line, int firstIndex, int& flags);
    void ShowContextMenuAtCaret();

    void ApplyShownFont();
    void StartDrag();
    void AutoScroll();
    void BlinkCaret();
    void RestartBlink();
    QRect CaretRect() const;
    bool CaretShown() const;
    Qt::DropAction DropActionFor(const QDropEvent& event) const;

    PaneModel model_;
    PaneEditor editor_;
    PaneKeys keys_;
    PaneMouse mouse_;
    WordMarks wordMarks_;
    std::string optionsName_;
    std::string settingsSection_;
    bool marginFollowsOptions_ = true;
    FontChooser chooseFont_ = ChooseFixedPitchFont;
    ColourChooser chooseColour_ = ChooseColourWithDialog;
    std::optional<std::bitset<256>> hostUsedStyles_;
    DialogSeams dialogSeams_;
    std::vector<StyleValue> styleValues_;
    int shownLineCount_ = 0;
    int shownWidth_ = 0;
    std::function<void()> beep_;
    std::function<std::int64_t()> clock_;
    DragRunner runDrag_;
    QTimer blinkTimer_;
    QTimer autoScrollTimer_;
    bool caretVisible_ = true;
    QRect paintedCaret_;
    QPoint lastPointer_;
    bool dragging_ = false; // this pane's own drag is running
    bool droppedOnSelf_ = false;
    bool hadSelection_ = false;
    std::optional<std::pair<TextPosition, TextPosition>> offeredSelection_;
    ContextMenuHook contextMenuHook_;
    TextPosition contextPosition_;
    bool leftButtonHeld_ = false;
    int wheelZoomAngle_ = 0; // a high-resolution wheel's eighths of a degree not yet zoomed
    LineDescriber lineDescriber_;
    PaneAccessEvents accessEvents_{*this};
};

} // namespace varnex
