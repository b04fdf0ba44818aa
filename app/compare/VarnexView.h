// The compare view: owns the comparison, the double-pane window and the bar; runs view commands.
#pragma once

#include "app/commands/CommandTable.h"
#include "app/compare/CaretStatus.h"
#include "app/compare/FileFormat.h"
#include "app/compare/ViewSettings.h"
#include "app/doublepane/MarginLabel.h"
#include "app/overview/OverviewBarModel.h"
#include "engine/CompareEngine.h"
#include "textview/dialogs/DialogSeams.h"
#include "textview/dialogs/MessageBoxCall.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

class CAnsiEditView;
class CompareRun;
class CTextDoubleWnd;
class PaneLineStyler;
class OverviewBar;

class CVarnexView : public QWidget, public CommandTarget {
    Q_OBJECT

public:
    explicit CVarnexView(QWidget* parent = nullptr);
    // Writes ViewMode and BarMode.
    ~CVarnexView() override;

    // Compares the two files in the compare mode in force and shows the result. A file that
    // cannot be opened is the caller's to report.
    LoadResult LoadAndCompare(const std::string& firstPath, const std::string& secondPath);
    // Compares the files of the last comparison again, keeping the scroll position.
    LoadResult Reload();
    // True while a compare runs; meanwhile nothing starts another one (LoadAndCompare and
    // Reload answer Cancelled at once) and the commands that would are disabled.
    bool Comparing() const;
    // Stops the running compare, which then ends as Cancelled.
    void CancelCompare();

    // Start-up options.
    void SetJumpToFirst(bool jump) { jumpToFirst_ = jump; }
    void SetShowTitles(bool show) { showTitles_ = show; }
    // Compares again when the mode changed and both files of the last comparison are regular
    // files.
    void SetCompareMode(CompareMode mode);
    // Takes the mode for the next comparison without comparing now.
    void UseCompareMode(CompareMode mode);
    void SetViewMode(ViewMode mode);
    // Gives a side a title of its own (UTF-8) instead of its path.
    void SetTitle(Side side, const std::string& text);
    // The next comparison shows its paths as titles again.
    void ForgetGivenTitles() { titlesGiven_ = false; }
    // Shows the titles, shortened to the width they get, or hides them.
    void UpdateTitles();

    CompareMode CompareModeInForce() const { return compareMode_; }
    ViewMode CurrentViewMode() const { return viewMode_; }
    BarMode CurrentBarMode() const { return overview_.Mode(); }
    const std::string& Path(Side side) const;
    const QString& Title(Side side) const { return titles_[IndexOf(side)]; }
    bool TitlesGiven() const { return titlesGiven_; }
    // What the last comparison found beyond what the panes show.
    HiddenDifference Hidden() const { return hidden_; }
    const CompareEngine& Engine() const { return engine_; }
    // The scroll position the panes last reported, and the first row of the bar in BarMode::Window.
    int FirstColumn() const { return firstColumn_; }
    int TopRow() const { return overview_.TopRow(); }
    int BarTop() const { return overview_.BarTop(); }
    // Rows of the current difference block, which carry the marker in the margin.
    int MarkStart() const { return markStart_; }
    int MarkEnd() const { return markEnd_; }
    // The bar's entries in BarMode::Summary.
    const std::vector<std::uint8_t>& Summary() const { return overview_.Summary(); }

    CTextDoubleWnd& DoublePane() { return *doublePane_; }
    OverviewBar& Bar() { return *bar_; }
    // The pane that last had the focus; the pane commands go there.
    CAnsiEditView& ActivePane();

    // The margin entry of `row` in the pane of `side`.
    MarginLabel MarginFor(Side side, int row) const;
    // The status hook of pane `side`: its caret's text, with a new key only when the text is
    // to be shown (the caret moved, or the pane regained the focus).
    std::uint64_t StatusFor(Side side, const StatusQuery& query, std::uint64_t previousKey,
                            std::string& text);

    // Replaces the function that shows message boxes (the too-many-rows warning).
    void SetMessageBox(MessageBoxCall call) { messageBox_ = std::move(call); }
    // How the panes' find, replace and options dialogs and their messages are shown.
    void SetPaneDialogs(const DialogSeams& seams);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CommandState& state) override;

signals:
    // The enabled or checked state of some of the view's commands may have changed.
    void CommandStatesChanged();
    // A comparison ended: `identical` when it loaded both files and found no difference.
    void Compared(bool identical);
    // A compare has run for a while: `text` names its files; CompareEnded follows it.
    void CompareBusy(const QString& text);
    // The compare that CompareBusy announced is over; `cancelled` when the user stopped it.
    void CompareEnded(bool cancelled);
    // A navigation command reached a difference block: `text` says which and where, for the
    // status bar and for assistive technology.
    void BlockReached(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static const CommandTable<CVarnexView>& Commands();

    void RunNavigation(CommandId id);
    CommandState NavigationState(CommandId id) const;
    void RunCompareMode(CommandId id);
    CommandState CompareModeState(CommandId id) const;
    void RunToggleViewMode(CommandId id);
    CommandState ViewModeState(CommandId id) const;
    void RunToggleBarMode(CommandId id);
    CommandState BarModeState(CommandId id) const;
    void RunChooseFont(CommandId id);
    CommandState ChooseFontState(CommandId id) const;
    void RunEncoding(CommandId id);
    CommandState EncodingState(CommandId id) const;
    void ApplyEncoding();
    void NoteFormats(const std::array<TextEncoding, 2>& encodings);
    std::uint8_t MixedCharacterStyle(std::uint8_t firstId, std::uint8_t otherId) const;

    LoadResult RunCompare(const std::string& firstPath, const std::string& secondPath);
    void AnnounceBusyCompare(const std::string& firstPath, const std::string& secondPath);
    void OfferSyntaxOf(const PaneLineStyler& styler);
    void OnColoursChosen();
    void HandSidesToDoublePane();
    void ShowResult();
    void ShowNothing();
    void FitMarginToLineNumbers();
    void WarnOfTooManyRows();
    void PostJumpToFirst();
    void ShowRow(int row);
    void RepaintPanes();

    void OnPanesScrolled(int firstColumn, int firstRow);
    void OnBarDoubleClicked(int y);
    void OnBarClicked(int y);
    int RowsShown() const;
    void UpdateVisibleFrame();
    void LayOut();
    void RefreshBar();

    CompareEngine engine_;
    OverviewBarModel overview_{engine_.Rows()};
    CTextDoubleWnd* doublePane_ = nullptr;
    OverviewBar* bar_ = nullptr;
    CompareRun* compareRun_ = nullptr;
    CompareMode compareMode_ = CompareMode::CharWise;
    ViewMode viewMode_ = ViewMode::SideBySide;
    EncodingChoice encodingChoice_ = EncodingChoice::Automatic;
    int width_ = 0;
    int firstColumn_ = 0;
    std::array<QString, 2> titles_;
    std::array<QString, 2> formatNotes_; // encoding and line ends, shown after the title
    HiddenDifference hidden_ = HiddenDifference::None;
    bool jumpToFirst_ = false;
    bool showTitles_ = true;
    bool titlesGiven_ = false;
    int markStart_ = 0;
    int markEnd_ = 0;
    std::array<CaretStatus, 2> caretStatus_;
    MessageBoxCall messageBox_ = ShowModalMessageBox;
};

} // namespace varnex
