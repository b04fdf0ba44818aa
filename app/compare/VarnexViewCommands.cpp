// The compare view's commands and when each is enabled or checked, dispatched by table.
#include "app/compare/VarnexView.h"

#include "app/compare/RowDescription.h"
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

EncodingChoice EncodingChoiceOf(CommandId id) {
    switch (id) {
    case kCmdEncodingWindows1252:
        return EncodingChoice::Windows1252;
    case kCmdEncodingUtf8:
        return EncodingChoice::Utf8;
    default:
        return EncodingChoice::Automatic;
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
        {kCmdEncodingAutomatic, &CVarnexView::RunEncoding, &CVarnexView::EncodingState},
        {kCmdEncodingWindows1252, &CVarnexView::RunEncoding, &CVarnexView::EncodingState},
        {kCmdEncodingUtf8, &CVarnexView::RunEncoding, &CVarnexView::EncodingState},
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
    const Side side = doublePane_->ActiveSide();
    emit BlockReached(
        QString::fromStdString(DescribeBlock(engine_.Rows(), side, markStart_, markEnd_)));
}

CommandState CVarnexView::NavigationState(CommandId id) const {
    return engine_.QueryCommand(EngineCommandOf(id));
}

void CVarnexView::RunCompareMode(CommandId id) {
    SetCompareMode(CompareModeOf(id));
}

CommandState CVarnexView::CompareModeState(CommandId id) const {
    return {!Comparing(), compareMode_ == CompareModeOf(id)};
}

// Applies at once to both panes, without comparing again: only the display depends on it.
void CVarnexView::RunEncoding(CommandId id) {
    encodingChoice_ = EncodingChoiceOf(id);
    WriteEncodingChoice(encodingChoice_);
    ApplyEncoding();
    emit CommandStatesChanged();
}

CommandState CVarnexView::EncodingState(CommandId id) const {
    return {true, encodingChoice_ == EncodingChoiceOf(id)};
}

void CVarnexView::ApplyEncoding() {
    std::array<TextEncoding, 2> encodings{};
    for (const Side side : kBothSides) {
        const SourceText& text = side == Side::Left ? engine_.Left() : engine_.Right();
        encodings[IndexOf(side)] =
            ResolveEncoding(encodingChoice_, text.text.data(), text.text.size());
        doublePane_->Pane(side).SetEncoding(encodings[IndexOf(side)]);
    }
    NoteFormats(encodings);
}

// Rows that all differ, or none, can have a cause the panes do not show; the titles and the
// status bar name it.
void CVarnexView::NoteFormats(const std::array<TextEncoding, 2>& encodings) {
    const Bytes left(engine_.Left().text.data(), engine_.Left().text.size());
    const Bytes right(engine_.Right().text.data(), engine_.Right().text.size());
    formatNotes_[0] = QString::fromStdString(FormatNote(left, encodings[0]));
    formatNotes_[1] = QString::fromStdString(FormatNote(right, encodings[1]));
    hidden_ = HiddenDifferenceOf(left, encodings[0], right, encodings[1]);
    UpdateTitles();
}

// A character whose bytes differ in kind is drawn as changed, keeping its first byte's syntax
// colour; bytes of one kind keep the first byte's style.
std::uint8_t CVarnexView::MixedCharacterStyle(std::uint8_t firstId, std::uint8_t otherId) const {
    const DifferenceStyles& styles = engine_.Styles();
    const auto kindOf = [&styles](std::uint8_t id) {
        const bool difference = id >= styles.StyleBase() && id < styles.PlaceholderId();
        return difference ? (id - styles.StyleBase()) / styles.SyntaxStyleCount() : -1;
    };
    if (kindOf(firstId) < 0 || kindOf(firstId) == kindOf(otherId)) return firstId;
    const int syntax = (firstId - styles.StyleBase()) % styles.SyntaxStyleCount();
    return styles.IdOf(static_cast<std::uint8_t>(syntax), RowKind::Changed);
}

void CVarnexView::RunToggleViewMode(CommandId) {
    viewMode_ = viewMode_ == ViewMode::Stacked ? ViewMode::SideBySide : ViewMode::Stacked;
    doublePane_->SetStacked(viewMode_ == ViewMode::Stacked);
    UpdateTitles();
    if (overview_.SetViewMode(viewMode_)) RefreshBar();
    emit CommandStatesChanged();
}

CommandState CVarnexView::ViewModeState(CommandId) const {
    return {true, viewMode_ == ViewMode::Stacked};
}

void CVarnexView::RunToggleBarMode(CommandId) {
    overview_.ToggleMode();
    RefreshBar();
    emit CommandStatesChanged();
}

CommandState CVarnexView::BarModeState(CommandId) const {
    return {true, overview_.Mode() == BarMode::Summary};
}

// Both panes share one font group, so the left pane's dialog serves them both.
void CVarnexView::RunChooseFont(CommandId) {
    doublePane_->Pane(Side::Left).ChooseFont();
}

CommandState CVarnexView::ChooseFontState(CommandId) const {
    return {true, false};
}

} // namespace varnex
