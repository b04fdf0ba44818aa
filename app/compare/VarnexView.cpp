// The compare view: owns the comparison, the double-pane window and the bar; runs view commands.
#include "app/compare/VarnexView.h"

#include "app/compare/CompareRun.h"
#include "app/compare/PaneLineStyler.h"
#include "app/compare/PaneRowSink.h"
#include "app/compare/RowDescription.h"
#include "app/compare/ViewSettings.h"
#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/doublepane/TitleBar.h"
#include "app/overview/OverviewBar.h"
#include "app/overview/OverviewBarMath.h"
#include "app/overview/OverviewBarModel.h"
#include "app/ui/BusyCursor.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "common/FileProbe.h"
#include "engine/layout/LineText.h"
#include "res/CommandId.h"
#include "res/StringId.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/StyleTable.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTimer>

#include <algorithm>
#include <span>

namespace varnex {

namespace {

// Room a title bar keeps free beside its text.
constexpr int kTitleSpare = 12;
// Titles are cut to this many characters before they are fitted to the bar.
constexpr int kMaxTitleLength = 255;
// Pixels the margin keeps free on both sides of a line number.
constexpr int kMarginPadding = 4;

} // namespace

CVarnexView::CVarnexView(QWidget* parent)
    : QWidget(parent), viewMode_(ReadViewMode()), encodingChoice_(ReadEncodingChoice()) {
    WriteFlagsIfAbsent();
    doublePane_ = new CTextDoubleWnd(this);
    bar_ = new OverviewBar(this);
    bar_->setAccessibleName(UiText(kStrOverviewBarName));
    compareRun_ = new CompareRun(this);
    // Whatever would start another compare is disabled at once.
    connect(compareRun_, &CompareRun::Started, this, &CVarnexView::CommandStatesChanged);
    doublePane_->SetStacked(viewMode_ == ViewMode::Stacked);
    overview_.SetViewMode(viewMode_);
    for (const Side side : kBothSides) {
        CComparePane& pane = doublePane_->Pane(side);
        pane.SetSettingsPath(std::string(PaneLineStyler::kSettingsPath));
        pane.SetMarginSource([this, side](int row) { return MarginFor(side, row); });
        pane.SetLineDescriber(
            [this, side](int row) { return DescribeRow(engine_.Rows(), side, row); });
        pane.SetStatusOutput(true);
        pane.SetMixedStyleRule([this](std::uint8_t firstId, std::uint8_t otherId) {
            return MixedCharacterStyle(firstId, otherId);
        });
        pane.SetMarginFollowsOptions(false);
        pane.SetStatusHook(
            [this, side](const StatusQuery& query, std::uint64_t previousKey, std::string& text) {
                return StatusFor(side, query, previousKey, text);
            });
        connect(&pane, &CAnsiEditView::SelectionChanged, this, &CVarnexView::CommandStatesChanged);
        connect(&pane, &CAnsiEditView::ColoursChosen, this, &CVarnexView::OnColoursChosen);
    }
    // The panes share the editor's font and colours: machine-wide values first, the user's over
    // them.
    doublePane_->Pane(Side::Left).LoadSettings("", true);
    doublePane_->Pane(Side::Left).LoadSettings("", false);
    // The editor options likewise; the view marks words, so the marking mode is taken too.
    EditOptions::SetWordMarkingAvailable(true);
    doublePane_->Pane(Side::Left).LoadOptions("", true);
    doublePane_->Pane(Side::Left).LoadOptions("", false);
    setFocusProxy(doublePane_);
    connect(doublePane_, &CTextDoubleWnd::PanesScrolled, this, &CVarnexView::OnPanesScrolled);
    // A zoom or a chosen font shows more or fewer rows: the bar's frame follows.
    connect(&doublePane_->Pane(Side::Left), &CAnsiView::CellSizeChanged, this,
            &CVarnexView::UpdateVisibleFrame);
    connect(bar_, &OverviewBar::DoubleClicked, this, &CVarnexView::OnBarDoubleClicked);
    connect(bar_, &OverviewBar::Clicked, this, &CVarnexView::OnBarClicked);
    LayOut();
}

CVarnexView::~CVarnexView() {
    WriteViewModes(viewMode_, overview_.Mode());
}

void CVarnexView::SetPaneDialogs(const DialogSeams& seams) {
    for (const Side side : kBothSides)
        doublePane_->Pane(side).SetDialogSeams(seams);
}

const std::string& CVarnexView::Path(Side side) const {
    return side == Side::Left ? engine_.FirstPath() : engine_.SecondPath();
}

CAnsiEditView& CVarnexView::ActivePane() {
    return doublePane_->ActivePane();
}

LoadResult CVarnexView::LoadAndCompare(const std::string& firstPath,
                                       const std::string& secondPath) {
    if (Comparing()) return LoadResult::Cancelled;
    const LoadResult result = RunCompare(firstPath, secondPath);
    if (result != LoadResult::Ok) return result;
    if (engine_.TooManyRows()) WarnOfTooManyRows();
    if (jumpToFirst_) PostJumpToFirst();
    return result;
}

// The files are loaded and compared on a thread of their own, into an engine of their own, so
// the window repaints and answers meanwhile and shows the last comparison until the new one
// is ready; the panes are filled here. A cancelled compare ends as a failed load does. The
// busy cursor lasts until the panes are filled and drawn, not through the warning.
LoadResult CVarnexView::RunCompare(const std::string& firstPath, const std::string& secondPath) {
    const BusyCursor busy;
    LoadResult result = LoadResult::Ok;
    {
        PaneLineStyler styler;
        CompareEngine prepared;
        const CompareMode mode = compareMode_;
        const auto announce = [&] { AnnounceBusyCompare(firstPath, secondPath); };
        const QMetaObject::Connection busy =
            connect(compareRun_, &CompareRun::LongRunning, this, announce);
        result = compareRun_->Run([&](const CancelFlag& cancel) {
            return prepared.Prepare(firstPath, secondPath, mode, &styler, &cancel);
        });
        disconnect(busy);
        engine_.Adopt(std::move(prepared));
        PaneRowSink left(doublePane_->Pane(Side::Left));
        PaneRowSink right(doublePane_->Pane(Side::Right));
        if (result == LoadResult::Ok) result = engine_.Fill(&styler, left, right);
        OfferSyntaxOf(styler);
    }
    HandSidesToDoublePane();
    if (result == LoadResult::Ok) {
        ApplyEncoding();
        ShowResult();
    } else {
        ShowNothing();
    }
    emit Compared(result == LoadResult::Ok && engine_.BlockCount() == 0);
    emit CompareEnded(result == LoadResult::Cancelled);
    emit CommandStatesChanged();
    return result;
}

void CVarnexView::AnnounceBusyCompare(const std::string& firstPath, const std::string& secondPath) {
    QString text = UiText(kStrComparing);
    qsizetype from = 0;
    for (const std::string* path : {&firstPath, &secondPath}) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"), from);
        if (at < 0) break;
        const QString shown = PathDisplayText(*path);
        text.replace(at, 2, shown);
        from = at + shown.size();
    }
    emit CompareBusy(text);
}

bool CVarnexView::Comparing() const {
    return compareRun_->Running();
}

void CVarnexView::CancelCompare() {
    compareRun_->Cancel();
}

// The colours dialog offers the styles the files' formats draw with; brackets match as the
// format pairs them (those in comments and strings too: the panes show the difference styles).
void CVarnexView::OfferSyntaxOf(const PaneLineStyler& styler) {
    const StyleTable& styles = doublePane_->Pane(Side::Left).Resources().Styles();
    std::optional<std::bitset<256>> used;
    if (!styler.UsedStyleIds().empty()) {
        used.emplace().set(0);
        for (const std::int32_t id : styler.UsedStyleIds()) {
            const std::optional<int> index = styles.IndexOfId(id);
            if (index && *index < static_cast<int>(used->size()))
                used->set(static_cast<std::size_t>(*index));
        }
    }
    std::optional<BracketRules> brackets = styler.Brackets();
    if (brackets) brackets->excludedStyles = 0;
    for (const Side side : kBothSides) {
        doublePane_->Pane(side).SetUsedStyles(used);
        doublePane_->Pane(side).SetBracketRules(brackets);
    }
}

// The difference styles are derived from the chosen colours when the files are compared.
void CVarnexView::OnColoursChosen() {
    if (IsRegularFile(Path(Side::Left)) && IsRegularFile(Path(Side::Right))) Reload();
}

// The context menu needs each side's path and which file line each row shows, copying which
// rows show an empty line.
void CVarnexView::HandSidesToDoublePane() {
    const AlignedRows& rows = engine_.Rows();
    for (const Side side : kBothSides) {
        const std::uint16_t* lines = side == Side::Left ? rows.LeftLines() : rows.RightLines();
        const SourceText& text = side == Side::Left ? engine_.Left() : engine_.Right();
        SideState state{Path(side), {lines, lines + rows.Count()}, {}};
        state.emptyLines.resize(state.lines.size());
        for (std::size_t row = 0; row < state.lines.size(); ++row) {
            const int line = state.lines[row];
            state.emptyLines[row] =
                line > 0 && ContentEnd(text, line - 1) == text.LineStart(line - 1);
        }
        doublePane_->SetSideState(side, std::move(state));
    }
}

// A failed load leaves no rows: the panes, margins and bar show nothing of the files before,
// and the titles name the files that were tried, which Reload tries again.
void CVarnexView::ShowNothing() {
    formatNotes_ = {};
    hidden_ = HiddenDifference::None;
    for (const Side side : kBothSides)
        doublePane_->Pane(side).Clear();
    ShowResult();
}

void CVarnexView::ShowResult() {
    markStart_ = markEnd_ = 0;
    caretStatus_ = {};
    if (!titlesGiven_) {
        for (const Side side : kBothSides)
            titles_[IndexOf(side)] = PathDisplayText(Path(side));
    }
    UpdateTitles();
    FitMarginToLineNumbers();
    doublePane_->ScrollBoth(0, 0);
    overview_.RowsReplaced();
    RefreshBar();
    doublePane_->RepaintPanes();
}

// The margin carries the file's line numbers and the block marker, so it is always shown
// and wide enough for the longest number.
void CVarnexView::FitMarginToLineNumbers() {
    const AlignedRows& rows = engine_.Rows();
    int widest = 0;
    for (int row = 0; row < rows.Count(); ++row) {
        widest = std::max({widest, int(rows.LeftLine(row)), int(rows.RightLine(row))});
    }
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const int textWidth = metrics.horizontalAdvance(QString::number(widest));
    const int width = std::max(CAnsiEditView::kOptionMarginWidth, textWidth + 2 * kMarginPadding);
    doublePane_->Pane(Side::Left).SetLineNumberWidth(width);
}

void CVarnexView::WarnOfTooManyRows() {
    messageBox_(this, QMessageBox::Warning, UiText(kStrCaptionWarning), UiText(kStrTooManyRows));
}

// Posted, so that the jump runs after the compare has finished and the panes are laid out.
void CVarnexView::PostJumpToFirst() {
    jumpToFirst_ = false;
    QTimer::singleShot(0, this, [this] { OnCommand(kCmdFirstBlock); });
}

LoadResult CVarnexView::Reload() {
    if (Comparing()) return LoadResult::Cancelled;
    const int column = firstColumn_;
    const int row = overview_.TopRow();
    const std::string first = Path(Side::Left);
    const std::string second = Path(Side::Right);
    const LoadResult result = LoadAndCompare(first, second);
    doublePane_->ScrollBoth(column, row);
    return result;
}

void CVarnexView::SetCompareMode(CompareMode mode) {
    if (Comparing()) return;
    const bool changed = mode != compareMode_;
    compareMode_ = mode;
    const std::string first = Path(Side::Left);
    const std::string second = Path(Side::Right);
    if (changed && IsRegularFile(first) && IsRegularFile(second)) LoadAndCompare(first, second);
    emit CommandStatesChanged();
}

void CVarnexView::SetViewMode(ViewMode mode) {
    if (mode != viewMode_) RunToggleViewMode(kCmdToggleViewMode);
}

void CVarnexView::UseCompareMode(CompareMode mode) {
    if (Comparing()) return;
    compareMode_ = mode;
    emit CommandStatesChanged();
}

void CVarnexView::SetTitle(Side side, const std::string& text) {
    titles_[IndexOf(side)] = QString::fromStdString(text);
    titlesGiven_ = true;
    UpdateTitles();
}

void CVarnexView::UpdateTitles() {
    const int available = (viewMode_ == ViewMode::Stacked ? width_ : width_ / 2) - kTitleSpare;
    for (const Side side : kBothSides) {
        // A screen reader names the pane by its file, shown or not.
        doublePane_->Pane(side).setAccessibleName(Title(side));
        if (!showTitles_ || Title(side).isEmpty()) {
            doublePane_->SetTitleText(side, std::nullopt);
            continue;
        }
        const QFontMetrics metrics(doublePane_->TitleBarOf(side).font());
        const QString title = Title(side).left(kMaxTitleLength);
        const QString& note = formatNotes_[IndexOf(side)];
        const QString shownNote = note.isEmpty() ? note : QStringLiteral("  (%1)").arg(note);
        // The path gives way; the note is short and says why rows differ.
        const int pathRoom = std::max(0, available - metrics.horizontalAdvance(shownNote));
        doublePane_->SetTitleText(side,
                                  metrics.elidedText(title, Qt::ElideMiddle, pathRoom) + shownNote);
    }
}

MarginLabel CVarnexView::MarginFor(Side side, int row) const {
    return MarginLabelFor(engine_.Rows(), side, row, markStart_, markEnd_);
}

std::uint64_t CVarnexView::StatusFor(Side side, const StatusQuery& query, std::uint64_t previousKey,
                                     std::string& text) {
    CaretStatus& status = caretStatus_[IndexOf(side)];
    if (previousKey == 0) status.Forget();
    const std::optional<std::string> shown = status.Text(engine_.Rows(), side, query);
    if (!shown) return previousKey;
    text = *shown;
    return previousKey + 1;
}

// A block whose start is on screen is only redrawn, which moves the marker; otherwise both
// panes bring its start to the middle.
void CVarnexView::ShowRow(int row) {
    const ScrollState& shown = doublePane_->Pane(Side::Left).Scroll();
    const bool visible = row >= shown.firstLine && row < shown.firstLine + shown.visibleLines;
    if (!visible) doublePane_->ScrollBoth(shown.firstColumn, row - shown.visibleLines / 2);
    doublePane_->RepaintPanes();
    if (overview_.SetTopRow(doublePane_->Pane(Side::Left).Scroll().firstLine)) RefreshBar();
}

void CVarnexView::OnPanesScrolled(int firstColumn, int firstRow) {
    firstColumn_ = firstColumn;
    if (firstRow == overview_.TopRow()) return;
    if (overview_.SetTopRow(firstRow)) RefreshBar();
    UpdateVisibleFrame();
}

void CVarnexView::OnBarDoubleClicked(int y) {
    doublePane_->ScrollBoth(0, overview_.RowAt(y));
}

// A single click brings the place into the middle of the panes.
void CVarnexView::OnBarClicked(int y) {
    if (engine_.Rows().Count() == 0) return;
    const int row = overview_.RowAt(y);
    doublePane_->ScrollBoth(firstColumn_, std::max(0, row - RowsShown() / 2));
}

int CVarnexView::RowsShown() const {
    return doublePane_->Pane(Side::Left).Scroll().fullLines;
}

void CVarnexView::UpdateVisibleFrame() {
    overview_.SetRowsShown(RowsShown());
    const BarSpan span = overview_.VisibleSpan();
    bar_->SetVisibleSpan(span.top, span.bottom);
}

void CVarnexView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

// A minimised window keeps the last real size for the bar and the titles.
void CVarnexView::LayOut() {
    const int barX = OverviewBarX(width());
    if (width() > 0 && height() > 0) {
        width_ = width();
        overview_.SetHeight(height());
    }
    doublePane_->setGeometry(0, 0, barX, height());
    bar_->setGeometry(barX, 0, width() - barX, height());
    UpdateTitles();
    RefreshBar();
}

void CVarnexView::RefreshBar() {
    const std::span<const std::uint8_t> entries = overview_.Entries();
    bar_->SetEntries(entries.data(), static_cast<int>(entries.size()));
    UpdateVisibleFrame();
}

} // namespace varnex
