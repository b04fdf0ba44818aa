// The styles that colour a comparison: one group of syntax styles per RowKind, and placeholders.
#include "engine/fill/DifferenceStyles.h"

#include <algorithm>

namespace varnex {

namespace {

// Four groups of n styles and one placeholder style follow StyleBase.
constexpr int kGroupCount = 4;
// The highest StyleBase that still leaves room for one style per group and the placeholder.
constexpr int kHighestStyleBase = kMaxStyleId - kGroupCount;

constexpr std::uint32_t kGroupBackgrounds[kGroupCount] = {kDefaultColour, kChangedBackground,
                                                          kInsertedBackground, kRemovedBackground};

} // namespace

void DifferenceStyles::Register(const LineStyler* styler, RowSink& sink) {
    // A table so full that the groups would not fit below 256 is given overlapping ids rather
    // than ids that do not fit 8 bits.
    styleBase_ = std::min(sink.StyleCount() + kStyleBaseGap, kHighestStyleBase);
    const int requested = styler ? std::max(styler->StyleCount(), 1) : 1;
    // Capping n keeps StyleBase + 4n <= 255; higher syntax indices fall back to index 0.
    syntaxCount_ = std::min(requested, (kMaxStyleId - styleBase_) / kGroupCount);
    Refresh(styler, sink);
    registered_ = true;
}

void DifferenceStyles::Refresh(const LineStyler* styler, RowSink& sink) {
    for (int group = 0; group < kGroupCount; ++group) {
        AddGroup(styler, sink, group, kGroupBackgrounds[group]);
    }
    sink.AddStyle(PlaceholderId(), kDefaultColour, kPlaceholderBackground, 0);
}

void DifferenceStyles::AddGroup(const LineStyler* styler, RowSink& sink, int group,
                                std::uint32_t background) {
    const bool hasLooks = styler && styler->StyleCount() > 0;
    for (int index = 0; index < syntaxCount_; ++index) {
        const StyleLook look = hasLooks ? styler->GetStyleLook(index) : StyleLook{};
        sink.AddStyle(styleBase_ + group * syntaxCount_ + index, look.textColour, background,
                      look.fontFlags);
    }
}

int DifferenceStyles::KindOffset(RowKind kind) const {
    return styleBase_ + static_cast<int>(kind) * syntaxCount_;
}

std::uint8_t DifferenceStyles::IdOf(std::uint8_t syntax, RowKind kind) const {
    const int index = syntax < syntaxCount_ ? syntax : 0;
    return static_cast<std::uint8_t>(KindOffset(kind) + index);
}

void DifferenceStyles::Apply(SourceText& side, int lineCount) const {
    if (lineCount < 1) return;
    const std::int32_t end = static_cast<std::int32_t>(side.LineEnd(lineCount - 1));
    for (std::int32_t offset = 0; offset < end; ++offset) {
        CharCell& cell = side.cells[offset];
        cell.style = IdOf(cell.style, static_cast<RowKind>(cell.kind));
    }
}

} // namespace varnex
