// The compare view's commands and when each is enabled or checked, dispatched by table.
#include "res/CommandId.h"
#include "app/compare/VarnexView.h"

#include "app/doublepane/TextDoubleWnd.h"

#include <algorithm>
#include <iterator>

namespace varnex {

struct CVarnexView::ViewCommand {
    int id;
    void (CVarnexView::*run)(int id); // null when only the enabling is the view's
    CommandState (CVarnexView::*query)(int id) const;
};

const CVarnexView::ViewCommand* CVarnexView::FindCommand(int id) {
    static const ViewCommand kCommands[] = {
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
        // Reloading reports errors, which is the document's part; the view knows when it can.
        {kCmdReload, nullptr, &CVarnexView::ReloadState},
    };
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [id](const ViewCommand& command) { return command.id == id; });
    return found == std::end(kCommands) ? nullptr : found;
}

// A disabled command of the view is taken and ignored, so that nobody else runs it.
bool CVarnexView::OnCommand(int id) {
    const ViewCommand* command = FindCommand(id);
    if (!command || !command->run) return false;
    if ((this->*command->query)(id).enabled) (this->*command->run)(id);
    return true;
}

bool CVarnexView::OnUpdateCommand(int id, CommandState& state) {
    const ViewCommand* command = FindCommand(id);
    if (!command) return false;
    state = (this->*command->query)(id);
    return true;
}

void CVarnexView::RunNavigation(int id) {
    const int row = engine_.Navigate(static_cast<EngineCommandId>(id));
    if (row < 0) return;
    markStart_ = engine_.Navigator().StartRow();
    markEnd_ = engine_.Navigator().EndRow();
    ShowRow(row);
    emit CommandStatesChanged();
}

CommandState CVarnexView::NavigationState(int id) const {
    return engine_.QueryCommand(static_cast<EngineCommandId>(id));
}

void CVarnexView::RunCompareMode(int id) {
    SetCompareMode(id - kCmdLineWise);
}

CommandState CVarnexView::CompareModeState(int id) const {
    return {true, compareMode_ == id - kCmdLineWise};
}

void CVarnexView::RunToggleViewMode(int) {
    viewMode_ ^= 1;
    doublePane_->SetStacked(viewMode_ == 1);
    UpdateTitles();
    UpdateBarTop(topRow_);
    emit CommandStatesChanged();
}

CommandState CVarnexView::ViewModeState(int) const {
    return {true, viewMode_ == 1};
}

void CVarnexView::RunToggleBarMode(int) {
    barMode_ ^= 1;
    RebuildSummary();
    RefreshBar();
    emit CommandStatesChanged();
}

CommandState CVarnexView::BarModeState(int) const {
    return {true, barMode_ == 1};
}

CommandState CVarnexView::ReloadState(int) const {
    return engine_.QueryCommand(EngineCommandId::Reload);
}

} // namespace varnex
