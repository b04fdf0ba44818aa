// One pane's text without a window: lines, styles, syntax state and the host operations.
#include "textview/model/document/PaneModel.h"

#include "common/Graphemes.h"
#include "common/Unicode.h"
#include "textview/model/settings/PanePaths.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/model/syntax/SyntaxCatalog.h"

#include <algorithm>

namespace varnex {

namespace {

// Ids of 256 and more never reach a style byte.
constexpr int kIdLimit = 256;

// A line longer than the pane keeps is cut where a character ends in UTF-8, which is a
// character's end in Windows-1252 too: whichever encoding the pane shows, later as well, no
// character is shown in part.
int KeptLength(const std::uint8_t* text, int length, int limit) {
    if (length <= limit) return length;
    return ClusterStart(text, length, limit, TextEncoding::Utf8);
}

} // namespace

PaneModel::PaneModel(unsigned maxLineLength, int maxLineCount, std::uint8_t options,
                     const std::string& resourceName)
    : resources_(PaneResources::Join(resourceName)),
      limits_(PaneLimits::Make(maxLineLength, maxLineCount)), options_(options),
      measuredTabWidth_(TabWidth::Get()) {
    resources_->Styles().EnsureSelectionStyle();
}

PaneModel::~PaneModel() = default;

bool PaneModel::KeepsSettings() const {
    return settingsPath_.has_value() || !resources_->Name().empty();
}

std::string PaneModel::StylePath(const std::string& section) const {
    const std::optional<std::string_view> path =
        settingsPath_ ? std::optional<std::string_view>(*settingsPath_) : std::nullopt;
    return PaneStylePath(path, section, resources_->Name());
}

std::string PaneModel::OptionsPath(const std::string& name) const {
    const std::optional<std::string_view> path =
        settingsPath_ ? std::optional<std::string_view>(*settingsPath_) : std::nullopt;
    return EditorOptionsPath(name, path, kRegistryKeyName, kProfileName);
}

StyleLoadResult PaneModel::LoadStyles(const std::string& section, bool machineWide) {
    return StyleSettings::Load(*resources_, StylePath(section), HiveFor(machineWide));
}

int PaneModel::AddStyle(std::uint32_t textColour, std::uint32_t background, const std::string& name,
                        std::uint32_t id, std::uint32_t fontFlags) {
    return resources_->Styles().Add(textColour, background, name, id, fontFlags);
}

const TextLine* PaneModel::GetLine(int index) const {
    if (index < 0 || index >= lines_.Count()) return nullptr;
    return &lines_.At(index);
}

int PaneModel::LineWidth(int index) const {
    const TextLine* record = GetLine(index);
    return record ? record->Width() : 0;
}

TextLine* PaneModel::GetLine(int index) {
    if (index < 0 || index >= lines_.Count()) return nullptr;
    return &lines_.At(index);
}

int PaneModel::DefaultStyleIndex() const {
    const int id = DefaultStyleId();
    if (id <= 0) return 0;
    return resources_->Styles().IndexOfId(id).value_or(0);
}

void PaneModel::SetVisibleLines(int first, int count) {
    visibleFirst_ = first;
    visibleCount_ = count;
}

void PaneModel::MarkLine(int index) {
    if (index >= visibleFirst_ && index - visibleFirst_ < visibleCount_) repaint_.MarkLine(index);
}

int PaneModel::SetLine(const std::uint8_t* text, int index, int length, int encodingFlags) {
    if (!text || index < 0 || length < 0) return -1;
    modified_ = true;
    ++textRevision_;
    const std::uint8_t* bytes = text;
    int kept = KeptLength(text, length, limits_.maxLineLength);
    bool goesOn = kept < length;
    if (encodingFlags & (kTextUtf8 | kTextUtf16)) {
        const std::string_view input(reinterpret_cast<const char*>(text),
                                     static_cast<std::size_t>(length));
        const auto limit = static_cast<std::size_t>(limits_.maxLineLength);
        conversionBuffer_.clear();
        if (encodingFlags & kTextUtf8) {
            NarrowUtf8(conversionBuffer_, input, Utf8Decoding::Lenient, limit);
        } else {
            NarrowUtf16Le(conversionBuffer_, input, limit);
        }
        bytes = reinterpret_cast<const std::uint8_t*>(conversionBuffer_.data());
        kept = static_cast<int>(conversionBuffer_.size());
        goesOn = false;
    }
    int stored = index;
    if (index >= lines_.Count()) {
        stored = AppendLine(bytes, kept);
    } else {
        ReplaceLine(index, bytes, kept);
    }
    if (stored >= 0) lines_.At(stored).goesOn = goesOn;
    return stored;
}

int PaneModel::AppendLine(const std::uint8_t* bytes, int length) {
    if (lines_.Count() >= limits_.maxLineCount) return -1;
    const int index = lines_.Count();
    lines_.Insert(index, TextLine::Make(bytes, length, TabWidth::Get(), encoding_, lines_.Arena()));
    widestLine_ = std::max(widestLine_, lines_.At(index).Width());
    MarkLine(index);
    if (hooks_.linesInserted) hooks_.linesInserted(index, 1);
    ScanFrom(index);
    return index;
}

void PaneModel::ReplaceLine(int index, const std::uint8_t* bytes, int length) {
    TextLinePtr line = TextLine::Make(bytes, length, TabWidth::Get(), encoding_);
    line->KeepStateOf(lines_.At(index));
    widestLine_ = std::max(widestLine_, line->Width());
    lines_.Replace(index, std::move(line));
    MarkLine(index);
    ScanFrom(index);
}

// Rescans from `index` on for as long as a line hands a changed state to the next one.
void PaneModel::ScanFrom(int index) {
    if (!scanner_) return;
    for (int i = index; i < lines_.Count(); ++i) {
        TextLine& line = lines_.At(i);
        const std::uint8_t carried = line.scanB;
        scanner_->ScanLine(line, i > 0 ? lines_.At(i - 1).scanB : 0);
        MarkLine(i);
        if (hooks_.stylesRecomputed) hooks_.stylesRecomputed(i);
        if (line.scanB == carried) break;
    }
}

void PaneModel::SetSyntax(const std::optional<std::string>& name) {
    scanner_.reset();
    if (name) scanner_ = SyntaxCatalog::Find(settingsPath_.value_or(resources_->Name()), *name);
    // The group's styles are loaded by now; styles added later take effect with the next choice.
    if (scanner_) scanner_->BindStyles(resources_->Styles());
    ResetSyntaxState();
    repaint_.MarkAll();
}

std::optional<std::bitset<256>> PaneModel::UsedStyles() const {
    if (!scanner_) return std::nullopt;
    return scanner_->UsedStyles();
}

std::optional<BracketRules> PaneModel::BracketRules() const {
    if (!scanner_) return std::nullopt;
    return scanner_->Brackets();
}

void PaneModel::ResetSyntaxState() {
    for (int i = 0; i < lines_.Count(); ++i) {
        lines_.At(i).scanB = 0;
        lines_.At(i).DropStyles();
    }
    if (!scanner_) return;
    for (int i = 0; i < lines_.Count(); ++i) {
        scanner_->ScanLine(lines_.At(i), i > 0 ? lines_.At(i - 1).scanB : 0);
    }
}

bool PaneModel::SetLineStyles(int index, const std::uint8_t* ids, int count, int defaultId,
                              int stride) {
    if (!(options_ & kPerCharacterStyles) || DefaultStyleId() < 0) return false;
    if (index < 0 || index >= lines_.Count() || stride < 0) return false;
    TextLine& line = lines_.At(index);
    MarkLine(index);
    if (hooks_.stylesRecomputed) hooks_.stylesRecomputed(index);
    if (!ids) {
        line.DropStyles();
        return true;
    }
    bool allKnown = true;
    const std::uint8_t fill = ResolveDefault(defaultId, allKnown);
    std::fill_n(line.EnsureStyles(), line.Length(), fill);
    if (!ApplyIds(line, ids, count, stride)) allKnown = false;
    return allKnown;
}

std::uint8_t PaneModel::ResolveDefault(int defaultId, bool& known) const {
    if (defaultId < 0) defaultId = DefaultStyleId();
    if (defaultId == 0 || defaultId >= kIdLimit) return 0;
    const std::optional<int> index = resources_->Styles().IndexOfId(defaultId);
    if (!index) known = false;
    return static_cast<std::uint8_t>(index.value_or(0));
}

// False when some id was unknown; those characters keep the default.
bool PaneModel::ApplyIds(TextLine& line, const std::uint8_t* ids, int count, int stride) const {
    const StyleTable& styles = resources_->Styles();
    std::uint8_t* target = line.Styles();
    int lastId = -1;
    std::uint8_t lastIndex = 0;
    bool allKnown = true;
    const int n = std::min(count, line.Length());
    for (int i = 0; i < n; ++i) {
        const std::uint8_t id = ids[static_cast<std::size_t>(i) * static_cast<std::size_t>(stride)];
        if (id != lastId) {
            const std::optional<int> index = styles.IndexOfId(id);
            if (!index) {
                allKnown = false;
                continue;
            }
            lastId = id;
            lastIndex = static_cast<std::uint8_t>(*index);
        }
        target[i] = lastIndex;
    }
    return allKnown;
}

bool PaneModel::InsertLine(int index, const std::uint8_t* text, int length) {
    if (lines_.Count() >= limits_.maxLineCount) return false;
    index = std::clamp(index, 0, lines_.Count());
    length = std::clamp(length, 0, limits_.maxLineLength);
    lines_.Insert(index, TextLine::Make(text, length, TabWidth::Get(), encoding_));
    widestLine_ = std::max(widestLine_, lines_.At(index).Width());
    modified_ = true;
    ++textRevision_;
    repaint_.MarkAll();
    if (hooks_.linesInserted) hooks_.linesInserted(index, 1);
    ScanFrom(index);
    return true;
}

void PaneModel::DeleteLines(int first, int count) {
    if (count <= 0 || first < 0 || first >= lines_.Count()) return;
    count = std::min(count, lines_.Count() - first);
    lines_.Erase(first, count);
    modified_ = true;
    ++textRevision_;
    if (hooks_.linesDeleted) hooks_.linesDeleted(first, count);
    repaint_.MarkAll();
    if (first < lines_.Count()) ScanFrom(first);
}

bool PaneModel::Clear() {
    const int count = lines_.Count();
    lines_.Clear();
    ++textRevision_;
    if (hooks_.linesDeleted) hooks_.linesDeleted(0, count);
    widestLine_ = 0;
    measuredTabWidth_ = TabWidth::Get();
    scanner_.reset();
    repaint_.MarkAll();
    const bool wasModified = modified_;
    modified_ = false;
    return wasModified;
}

void PaneModel::Remeasure() {
    if (TabWidth::Get() != measuredTabWidth_) MeasureAll();
}

void PaneModel::SetEncoding(TextEncoding encoding) {
    if (encoding == encoding_) return;
    encoding_ = encoding;
    ++textRevision_;
    MeasureAll();
}

void PaneModel::MeasureAll() {
    measuredTabWidth_ = TabWidth::Get();
    widestLine_ = 0;
    for (int index = 0; index < lines_.Count(); ++index) {
        TextLine& line = lines_.At(index);
        line.Remeasure(measuredTabWidth_, encoding_);
        widestLine_ = std::max(widestLine_, line.Width());
    }
    repaint_.MarkAll();
}

std::uint8_t PaneModel::CharStyleIndex(const std::uint8_t* styles, int bytes) const {
    const std::uint8_t first = styles[0];
    if (!mixedStyleRule_) return first;
    const auto other = std::find_if(styles + 1, styles + bytes,
                                    [first](std::uint8_t index) { return index != first; });
    if (other == styles + bytes) return first;
    const StyleTable& table = resources_->Styles();
    const auto idOf = [&table](std::uint8_t index) {
        const TextStyle* style = table.Get(index);
        return static_cast<std::uint8_t>(style ? style->id : 0);
    };
    const std::uint8_t id = mixedStyleRule_(idOf(first), idOf(*other));
    return static_cast<std::uint8_t>(table.IndexOfId(id).value_or(first));
}

} // namespace varnex
