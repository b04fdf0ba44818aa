// The compare view's commands and when each is enabled or checked, dispatched by table.
#include "app/compare/VarnexView.h"

#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"

namespace varnex {

namespace {

// The navigation and compare-mode commands keep the ids the engine knows them by.
static_assert(kCmdFirstBlock == static_cast<int>(EngineCommandId::FirstBlock));
static_assert(kCmdNextBlock == static_cast<int>(EngineCommandId::NextBlock));
static_assert(kCmdPreviousBlock == static_cast<int>(EngineCommandId::PreviousBlock));
static_assert(kCmdCurrentBlock == static_cast<int>(EngineCommandId::CurrentBlock));
static_assert(kCmdLastBlock == static_cast<int>(EngineCommandId::LastBlock));
static_assert(kCmdReload == static_cast<int>(EngineCommandId::Reload));

EngineCommandId EngineCommandOf(CommandId id) {
    return static_cast<EngineCommandId>(id);
}

CompareMode CompareModeOf(CommandId id) {
    switch (id) {
    case kCmdLineWise:
        return CompareMode::LineWise;
    case kCmdCharWiseNoBlanks:
        return CompareMode::CharWiseNoBlanks;
    default:
        return CompareMode::CharWise;
    }
}

} // namespace

// Reload is the document's: it reports the files that cannot be opened.
const CommandTable<CVarnexView>& CVarnexView::Commands() {
    static const CommandTable<CVarnexView> commands{
        {kCmdFirstBlock, &CVarnexView::RunNavigation, &CVarnexView::NavigationState},
        {kCmdNextBlock, &CVarnexView::RunNavigation, &CVarnexView::NavigationState},
        {kCmdPreviousBlock, &CVarnexView::RunNavigation, &CVarnexView::NavigationState},
        {kCmdCurrentBlock, &CVarnexView::RunNavigation, &CVarnexView::NavigationState},
        {kCmdLastBlock, &CVarnexView::RunNavigation, &CVarnexView::NavigationState},
        {kCmdLineWise, &CVarnexView::RunCompareMode, &CVarnexView::CompareModeState},
        {kCmdCharWise, &CVarnexView::RunCompareMode, &CVarnexView::CompareModeState},
        {kCmdCharWiseNoBlanks, &CVarnexView::RunCompareMode, &CVarnexView::CompareModeState},
        {kCmdToggleViewMode, &CVarnexView::RunToggleViewMode, &CVarnexView::ViewModeState},
        {kCmdToggleBarMode, &CVarnexView::RunToggleBarMode, &CVarnexView::BarModeState},
        {kCmdFont, &CVarnexView::RunChooseFont, &CVarnexView::ChooseFontState},
    };
    return commands;
}

bool CVarnexView::OnCommand(CommandId id) {
    return Commands().Run(*this, id);
}

bool CVarnexView::OnUpdateCommand(CommandId id, CommandState& state) {
    return Commands().Query(*this, id, state);
}

void CVarnexView::RunNavigation(CommandId id) {
    const int row = engine_.Navigate(EngineCommandOf(id));
    if (row < 0) return;
    markStart_ = engine_.Navigator().StartRow();
    markEnd_ = engine_.Navigator().EndRow();
    ShowRow(row);
    emit CommandStatesChanged();
}

CommandState CVarnexView::NavigationState(CommandId id) const {
    return engine_.QueryCommand(EngineCommandOf(id));
}

void CVarnexView::RunCompareMode(CommandId id) {
    SetCompareMode(CompareModeOf(id));
}

CommandState CVarnexView::CompareModeState(CommandId id) const {
    return {true, compareMode_ == CompareModeOf(id)};
}

void CVarnexView::RunToggleViewMode(CommandId) {
    viewMode_ = viewMode_ == ViewMode::Stacked ? ViewMode::SideBySide : ViewMode::Stacked;
    doublePane_->SetStacked(viewMode_ == ViewMode::Stacked);
    UpdateTitles();
    UpdateBarTop(topRow_);
    emit CommandStatesChanged();
}

CommandState CVarnexView::ViewModeState(CommandId) const {
    return {true, viewMode_ == ViewMode::Stacked};
}

void CVarnexView::RunToggleBarMode(CommandId) {
    barMode_ = barMode_ == BarMode::Summary ? BarMode::Window : BarMode::Summary;
    RebuildSummary();
    RefreshBar();
    emit CommandStatesChanged();
}

CommandState CVarnexView::BarModeState(CommandId) const {
    return {true, barMode_ == BarMode::Summary};
}

// Both panes share one font group, so the left pane's dialog serves them both.
void CVarnexView::RunChooseFont(CommandId) {
    doublePane_->Pane(Side::Left).ChooseFont();
}

CommandState CVarnexView::ChooseFontState(CommandId) const {
    return {true, false};
}

} // namespace varnex
