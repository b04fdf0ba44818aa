// The text pane a host fills: owns lines and styles, loads and saves settings, draws its lines.
#include "textview/widgets/AnsiEditView.h"

#include "textview/model/EditOptions.h"
#include "textview/model/OptionSettings.h"
#include "textview/model/StyleSettings.h"
#include "textview/model/TabWidth.h"
#include "textview/model/TextColumns.h"

#include <algorithm>

namespace varnex {

namespace {

// A drawn line never needs more bytes than this: 1024 characters of up to four UTF-8 bytes.
constexpr int kMaxBytesDrawn = LinePainter::kMaxCharacters * 4;

} // namespace

CAnsiEditView::CAnsiEditView(unsigned maxLineLength, int maxLineCount, std::uint8_t options,
                             const std::string& resourceName, QWidget* parent)
    : CAnsiView(resourceName, parent), model_(maxLineLength, maxLineCount, options, resourceName) {
    VisibleLinesChanged();
}

CAnsiEditView::~CAnsiEditView() {
    if (EditOptions::Changed()) OptionSettings::Save(model_.OptionsPath(optionsName_));
}

bool CAnsiEditView::LoadSettings(const std::string& section, bool machineWide) {
    const StyleLoadResult result = model_.LoadStyles(section, machineWide);
    if (result.fontRead) SetFont(0, {});
    if (result.colorsRead) ForEachGroupPane([](CAnsiView& pane) { pane.viewport()->update(); });
    return result.colorsRead;
}

bool CAnsiEditView::SaveSettings(const std::string& section) {
    return StyleSettings::Save(Resources(), model_.StylePath(section));
}

bool CAnsiEditView::LoadOptions(const std::string& name, bool machineWide) {
    optionsName_ = name;
    if (!OptionSettings::Load(model_.OptionsPath(name), HiveFor(machineWide))) return false;
    const bool lineNumbers = (EditOptions::Get() & EditOptions::kLineNumbers) != 0;
    SetLineNumberWidth(lineNumbers ? kOptionMarginWidth : -1);
    ForEachGroupPane([](CAnsiView& pane) { pane.viewport()->update(); });
    return true;
}

void CAnsiEditView::SetSyntax(const std::optional<std::string>& name) {
    model_.SetSyntax(name);
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

int CAnsiEditView::SetLineStyles(int index, const std::uint8_t* ids, int count, int defaultId,
                                 int stride) {
    const int result = model_.SetLineStyles(index, ids, count, defaultId, stride);
    AfterChange();
    return result;
}

bool CAnsiEditView::Clear() {
    const bool wasModified = model_.Clear();
    AfterChange();
    return wasModified;
}

void CAnsiEditView::AfterChange() {
    RequestRepaint(model_.Repaint().Take());
    if (model_.LineCount() == shownLineCount_ && model_.WidestLine() == shownWidth_) return;
    shownLineCount_ = model_.LineCount();
    shownWidth_ = model_.WidestLine();
    ContentChanged();
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
}

int CAnsiEditView::PrintLine(LinePainter& lines, const QRect& rect, int line, int firstColumn, int,
                             int flags) {
    const TextLine* record = GetLine(line);
    if (!record) return 0;
    const int tabWidth = TabWidth::Get();
    const ColumnHit start = FindColumn(record->Text(), record->Length(), firstColumn, tabWidth);
    const int count = std::min(record->Length() - start.index, kMaxBytesDrawn);
    if (count == 0) {
        // Scrolled past the end: the row goes on in the style the line ends in.
        if (record->Length() > 0)
            lines.Styles().Select(StyleValueAt(*record, record->Length() - 1));
        return 0;
    }
    FillStyleValues(*record, start.index, count);
    const LineCells cells{record->Text() + start.index, styleValues_.data(), count,
                          start.startColumn, 0};
    if (Utf8Display()) flags |= LinePainter::kUtf8Display;
    const int pixels = lines.DrawLine(rect, firstColumn, cells, flags, tabWidth);
    const int cellWidth = CellSize().width();
    return (pixels + cellWidth - 1) / cellWidth;
}

} // namespace varnex
