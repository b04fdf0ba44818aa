// The text pane a host fills: owns lines and styles, loads and saves settings, draws its lines.
#include "textview/widgets/AnsiEditView.h"

#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/OptionSettings.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/model/settings/StyleSettings.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/ClipboardText.h"
#include "textview/widgets/PaneAccessible.h"

#include <QApplication>
#include <QClipboard>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>

namespace varnex {

namespace {

// Pointer outside the pane while selecting: how often the text scrolls along.
constexpr int kAutoScrollMs = 50;
// A selection that goes on past a line's end.
constexpr int kPastLineEnd = INT_MAX;
// Marked characters carry bit 7 in the low byte of their style value, so only styles below it
// can be marked.
constexpr StyleValue kMarkBit = 0x80;

std::int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The columns of `line` that the selection covers, [from, to).
std::optional<std::pair<int, int>> SelectedColumns(const CaretModel& caret, int line) {
    if (!caret.HasSelection()) return std::nullopt;
    const TextPosition start = caret.SelectionStart();
    const TextPosition end = caret.SelectionEnd();
    if (line < start.line || line > end.line) return std::nullopt;
    const int from = line == start.line ? start.column : 0;
    const int to = line == end.line ? end.column : kPastLineEnd;
    if (to <= from) return std::nullopt;
    return std::pair{from, to};
}

// Calls visit(offset, cluster, column) for each character of `line` from byte `first` on, for
// `count` bytes; the first one starts at `column`.
template <typename Visit>
void WalkCharacters(const TextLine& line, int first, int count, int column, TextEncoding encoding,
                    Visit&& visit) {
    const int tabWidth = TabWidth::Get();
    for (int k = 0; k < count;) {
        const TextCluster cluster = ClusterAt(line.Text(), line.Length(), first + k, encoding);
        visit(k, cluster, column);
        column = NextColumn(column, cluster, tabWidth);
        k += cluster.bytes;
    }
}

} // namespace

CAnsiEditView::CAnsiEditView(unsigned maxLineLength, int maxLineCount, std::uint8_t options,
                             const std::string& resourceName, QWidget* parent)
    : CAnsiView(resourceName, parent), model_(maxLineLength, maxLineCount, options, resourceName),
      editor_(model_, *this), beep_([] { QApplication::beep(); }), clock_(SteadyMilliseconds),
      runDrag_(
          [](QDrag& drag, Qt::DropActions allowed) { return drag.exec(allowed, Qt::CopyAction); }) {
    PaneAccessible::Install();
    VisibleLinesChanged();
    viewport()->setAcceptDrops(true);
    viewport()->setCursor(Qt::IBeamCursor);
    blinkTimer_.setInterval(std::max(1, QApplication::cursorFlashTime() / 2));
    connect(&blinkTimer_, &QTimer::timeout, this, &CAnsiEditView::BlinkCaret);
    autoScrollTimer_.setInterval(kAutoScrollMs);
    connect(&autoScrollTimer_, &QTimer::timeout, this, &CAnsiEditView::AutoScroll);
    editor_.SetNotificationHook([this](PaneNotification notification, int value) {
        emit Notification(static_cast<int>(notification), value);
    });
}

// Going, a pane stores what changed; no one is left to be told of a failure then.
CAnsiEditView::~CAnsiEditView() {
    if (EditOptions::Changed()) static_cast<void>(SaveOptions());
}

StoreResult CAnsiEditView::SaveOptions() {
    return OptionSettings::Save(model_.OptionsPath(optionsName_));
}

bool CAnsiEditView::SaveChosenOptions() {
    const StoreResult saved = SaveOptions();
    if (!saved) TellNotSaved(*saved.failure);
    return static_cast<bool>(saved);
}

bool CAnsiEditView::LoadSettings(const std::string& section, bool machineWide) {
    settingsSection_ = section;
    const StyleLoadResult result = model_.LoadStyles(section, machineWide);
    if (result.fontRead) SetFont(0, {});
    if (result.colorsRead) ForEachGroupPane([](CAnsiView& pane) { pane.viewport()->update(); });
    return result.colorsRead;
}

bool CAnsiEditView::SaveSettings(const std::string& section) {
    return static_cast<bool>(StyleSettings::Save(Resources(), model_.StylePath(section)));
}

// A choice the hive cannot take is still in effect; the user learns that it will not last.
void CAnsiEditView::SaveChoice() {
    const StoreResult saved = StyleSettings::Save(Resources(), model_.StylePath(settingsSection_));
    if (!saved) TellNotSaved(*saved.failure);
}

void CAnsiEditView::TellNotSaved(const StoreFailure& failure) {
    const QString text = QString::fromUtf8(kSettingsNotSavedText)
                             .arg(QString::fromUtf8(failure.path),
                                  QString::fromLocal8Bit(std::strerror(failure.error)));
    dialogSeams_.showMessage(window(), QMessageBox::Critical, QString::fromUtf8(kErrorCaption),
                             text);
}

bool CAnsiEditView::ChooseFont() {
    const std::optional<QFont> chosen =
        chooseFont_(FontOfSpec(Resources().ShownFont(), Fonts().Family()), window());
    if (!chosen) return false;
    Resources().Font() = FontSpecOfChoice(*chosen);
    Resources().SetZoomHeight(std::nullopt);
    ApplyShownFont();
    SaveChoice();
    return true;
}

void CAnsiEditView::ApplyShownFont() {
    SetFont(0, {});
    ForEachGroupPane([](CAnsiView& pane) { pane.viewport()->update(); });
    // Larger cells show fewer lines: the caret stays in sight.
    editor_.EnsureCaretVisible();
}

bool CAnsiEditView::ChooseColours() {
    ColoursDialogSeams seams;
    seams.run = dialogSeams_.run;
    seams.chooseColour = chooseColour_;
    seams.fontFor = [this](std::uint32_t fontFlags) { return Fonts().Variant(fontFlags); };
    const auto repaintGroup = [this] {
        ForEachGroupPane([](CAnsiView& pane) { pane.viewport()->update(); });
    };
    seams.changed = repaintGroup;
    const std::optional<std::bitset<256>> used =
        hostUsedStyles_ ? hostUsedStyles_ : model_.UsedStyles();
    if (RunColoursDialog(Resources().Styles(), used, seams, window()) != QDialog::Accepted)
        return false;
    SaveChoice();
    repaintGroup();
    emit ColoursChosen();
    return true;
}

bool CAnsiEditView::LoadOptions(const std::string& name, bool machineWide) {
    optionsName_ = name;
    if (!OptionSettings::Load(model_.OptionsPath(name), HiveFor(machineWide))) return false;
    ApplyLineNumberOption();
    ForEachPane([](CAnsiView& pane) { pane.SharedSettingsChanged(); });
    return true;
}

void CAnsiEditView::ApplyLineNumberOption() {
    if (!marginFollowsOptions_) return;
    const bool lineNumbers = (EditOptions::Get() & EditOptions::kLineNumbers) != 0;
    SetLineNumberWidth(lineNumbers ? kOptionMarginWidth : -1);
}

void CAnsiEditView::SetSyntax(const std::optional<std::string>& name) {
    model_.SetSyntax(name);
    editor_.Caret().SetBracketRules(model_.BracketRules());
    AfterChange();
}

int CAnsiEditView::AddStyle(std::uint32_t textColour, std::uint32_t background,
                            const std::string& name, std::uint32_t id, std::uint32_t fontFlags) {
    return model_.AddStyle(textColour, background, name, id, fontFlags);
}

int CAnsiEditView::SetLine(const std::uint8_t* text, int index, int length, int encodingFlags) {
    const int result = model_.SetLine(text, index, length, encodingFlags);
    AfterChange();
    return result;
}

bool CAnsiEditView::SetLineStyles(int index, const std::uint8_t* ids, int count, int defaultId,
                                  int stride) {
    const bool result = model_.SetLineStyles(index, ids, count, defaultId, stride);
    AfterChange();
    return result;
}

bool CAnsiEditView::Clear() {
    const bool wasModified = model_.Clear();
    editor_.Reset();
    AfterInteraction();
    return wasModified;
}

void CAnsiEditView::SetCaret(int column, int line, int flags) {
    editor_.SetCaret(column, line, flags);
    AfterInteraction();
}

TextPosition CAnsiEditView::MoveTo(TextPosition to, bool extend) {
    const TextPosition before = editor_.MoveTo(to, extend);
    AfterInteraction();
    return before;
}

void CAnsiEditView::SelectAll() {
    editor_.SelectAll();
    AfterInteraction();
}

int CAnsiEditView::CopySelection() {
    return editor_.CopySelection();
}

bool CAnsiEditView::SetEditable(bool editable) {
    return editor_.SetEditable(editable);
}

void CAnsiEditView::SetBracketRules(std::optional<BracketRules> rules) {
    editor_.Caret().SetBracketRules(std::move(rules));
}

void CAnsiEditView::SetClipboardText(const std::string& bytes) {
    QGuiApplication::clipboard()->setText(BytesToText(bytes, model_.Encoding()));
}

std::optional<std::string> CAnsiEditView::ClipboardText() const {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isNull()) return std::nullopt;
    return TextToBytes(text, model_.Encoding());
}

void CAnsiEditView::PublishStatus(const std::string& text, const std::string& mode) {
    emit StatusPublished(QString::fromStdString(text), QString::fromStdString(mode));
}

void CAnsiEditView::AfterChange() {
    accessEvents_.Changed();
    if (wordMarks_.Update(model_, editor_.Caret().Caret(), editor_.Highlight(), EditOptions::Get()))
        model_.Repaint().MarkAll();
    RequestRepaint(model_.Repaint().Take());
    if (model_.LineCount() == shownLineCount_ && model_.WidestLine() == shownWidth_) return;
    shownLineCount_ = model_.LineCount();
    shownWidth_ = model_.WidestLine();
    ContentChanged();
}

void CAnsiEditView::SetEncoding(TextEncoding encoding) {
    editor_.SetEncoding(encoding);
    AfterChange();
}

void CAnsiEditView::SetMixedStyleRule(PaneModel::MixedStyleRule rule) {
    model_.SetMixedStyleRule(std::move(rule));
    model_.Repaint().MarkAll();
    AfterChange();
}

void CAnsiEditView::SharedSettingsChanged() {
    model_.Remeasure();
    AfterChange();
    CAnsiView::SharedSettingsChanged();
}

void CAnsiEditView::VisibleLinesChanged() {
    model_.SetVisibleLines(Scroll().firstLine, Scroll().visibleLines);
}

StyleValue CAnsiEditView::StyleValueAt(const TextLine& line, int index) const {
    const std::uint8_t* styles = line.Styles();
    return styles ? styles[index] : static_cast<StyleValue>(model_.DefaultStyleIndex());
}

void CAnsiEditView::FillStyleValues(const TextLine& line, int first, int count) {
    styleValues_.resize(static_cast<std::size_t>(count));
    const std::uint8_t* styles = line.Styles();
    if (!styles) {
        std::fill(styleValues_.begin(), styleValues_.end(), StyleValueAt(line, first));
        return;
    }
    std::copy_n(styles + first, count, styleValues_.begin());
    if (model_.Encoding() != TextEncoding::Utf8) return;
    // The painter draws a character in the style of its first byte.
    WalkCharacters(line, first, count, 0, TextEncoding::Utf8,
                   [&](int k, const TextCluster& cluster, int) {
                       if (cluster.bytes > 1)
                           styleValues_[static_cast<std::size_t>(k)] =
                               model_.CharStyleIndex(styles + first + k, cluster.bytes);
                   });
}

// Only the characters that reach into the row are drawn.
int CAnsiEditView::PrintLine(LinePainter& lines, const QRect& rect, int line, int firstColumn, int,
                             int flags) {
    const TextLine* record = GetLine(line);
    if (!record) return 0;
    const int tabWidth = TabWidth::Get();
    const TextEncoding encoding = model_.Encoding();
    const ColumnHit start =
        FindColumn(record->Text(), record->Length(), firstColumn, tabWidth, encoding);
    const int end = ColumnToIndex(record->Text(), record->Length(),
                                  lines.LastColumn(rect, firstColumn), tabWidth, encoding);
    const int count = std::max(0, end - start.index);
    FillStyleValues(*record, start.index, count);
    const StyleValue lineEnd = record->Length() > 0
                                   ? StyleValueAt(*record, record->Length() - 1)
                                   : static_cast<StyleValue>(model_.DefaultStyleIndex());
    LineCells cells{record->Text() + start.index,
                    styleValues_.data(),
                    count,
                    start.startColumn,
                    0,
                    encoding,
                    record->goesOn && end == record->Length(),
                    lineEnd};
    flags |= OverlaySelection(line, start.index, start.startColumn, cells);
    OverlayBracket(line, start.index, start.startColumn, flags);
    OverlayWordMarks(line, start.index, flags);
    int pixels = 0;
    if (count == 0 && !cells.goesOn &&
        !(flags & (LinePainter::kPaintOneMore | LinePainter::kPaintToEdge))) {
        // Scrolled past the end: the row goes on in the style the line ends in.
        lines.Styles().Select(lineEnd);
    } else {
        pixels = lines.DrawLine(rect, firstColumn, cells, flags, tabWidth);
    }
    if (const std::optional<std::pair<int, int>> virtualPart = VirtualSelection(*record, line)) {
        lines.FillColumns(rect, firstColumn, record->Width(), virtualPart->first, lineEnd);
        const StyleValue selection = static_cast<StyleValue>(
            model_.Resources().Styles().IndexOfId(StyleTable::kSelectionId).value_or(0));
        pixels = std::max(pixels, lines.FillColumns(rect, firstColumn, virtualPart->first,
                                                    virtualPart->second, selection));
    }
    // What follows the selection's extra cells is the line's own background again.
    lines.Styles().Select(lineEnd);
    const int cellWidth = CellSize().width();
    return (pixels + cellWidth - 1) / cellWidth;
}

// The columns of a selection that ends in virtual space past the line's end: the characters
// cannot show them, so they are painted as cells of their own.
std::optional<std::pair<int, int>> CAnsiEditView::VirtualSelection(const TextLine& record,
                                                                   int line) const {
    const std::optional<std::pair<int, int>> selected = SelectedColumns(editor_.Caret(), line);
    if (!selected || selected->second == kPastLineEnd || selected->second <= record.Width())
        return std::nullopt;
    return std::pair{std::max(selected->first, record.Width()), selected->second};
}

// Paints the selected characters in the selection style; returns the drawing flags that carry
// a selection on past the line's end.
int CAnsiEditView::OverlaySelection(int line, int firstIndex, int startColumn, LineCells& cells) {
    const std::optional<std::pair<int, int>> selected = SelectedColumns(editor_.Caret(), line);
    if (!selected) return 0;
    const std::optional<int> selectionIndex =
        model_.Resources().Styles().IndexOfId(StyleTable::kSelectionId);
    const StyleValue style = static_cast<StyleValue>(selectionIndex.value_or(0));
    WalkCharacters(*GetLine(line), firstIndex, cells.count, startColumn, model_.Encoding(),
                   [&](int k, const TextCluster&, int column) {
                       if (column >= selected->first && column < selected->second)
                           styleValues_[static_cast<std::size_t>(k)] = style;
                   });
    if (selected->second != kPastLineEnd) return 0;
    cells.styleAfter = style;
    const bool toEdge = (EditOptions::Get() & EditOptions::kMarkToLineEnd) != 0;
    return toEdge ? LinePainter::kPaintToEdge : LinePainter::kPaintOneMore;
}

// Marks the bracket at the caret and its partner, or with ranged matching all between them.
void CAnsiEditView::OverlayBracket(int line, int firstIndex, int startColumn, int& flags) {
    const BracketMatch& match = editor_.Caret().Bracket();
    if (!match.active) return;
    const TextPosition first = std::min(match.bracket, match.partner);
    const TextPosition last = std::max(match.bracket, match.partner);
    if (line < first.line || line > last.line) return;
    const int count = static_cast<int>(styleValues_.size());
    WalkCharacters(*GetLine(line), firstIndex, count, startColumn, model_.Encoding(),
                   [&](int k, const TextCluster&, int column) {
                       const TextPosition at{column, line};
                       const bool marked = match.ranged
                                               ? (first <= at && at <= last)
                                               : (at == match.bracket || at == match.partner);
                       StyleValue& value = styleValues_[static_cast<std::size_t>(k)];
                       if (marked && (value & 0xFF) < kMarkBit) value |= kMarkBit;
                   });
    flags |= LinePainter::kMarks;
}

// Puts a bar under every marked word.
void CAnsiEditView::OverlayWordMarks(int line, int firstIndex, int& flags) {
    if (wordMarks_.Empty()) return;
    const int drawn = static_cast<int>(styleValues_.size());
    for (const ByteRange& word : wordMarks_.MarkedIn(model_, line)) {
        for (int index = std::max(word.first, firstIndex);
             index < std::min(word.last, firstIndex + drawn); ++index) {
            StyleValue& value = styleValues_[static_cast<std::size_t>(index - firstIndex)];
            if ((value & 0xFF) < kMarkBit) value |= kMarkBit;
        }
        flags |= LinePainter::kMarks;
    }
}

} // namespace varnex
