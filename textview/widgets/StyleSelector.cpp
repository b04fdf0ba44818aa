// Turns per-character style values into colours and fonts, switching only when the value changes.
#include "textview/widgets/StyleSelector.h"

namespace varnex {

StyleSelector::StyleSelector(const StyleTable& styles, const FontSet& fonts,
                             const QPalette& palette)
    : styles_(styles), fonts_(fonts), palette_(palette) {
    Reset();
}

void StyleSelector::Reset() {
    lastValue_ = -1;
    Select(0);
}

const TextStyle& StyleSelector::StyleAt(int index) const {
    const TextStyle* style = styles_.Get(index);
    return style ? *style : *styles_.Get(0);
}

QColor StyleSelector::Colour(std::uint32_t value, QPalette::ColorRole windowRole) const {
    if (value == kWindowColour) return palette_.color(windowRole);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::uint32_t StyleSelector::FontFlagsOf(StyleValue value) const {
    return StyleAt(value & 0xFF).fontFlags & kFontVariantMask;
}

const ResolvedStyle& StyleSelector::Select(StyleValue value) {
    if (value == lastValue_) return current_;
    lastValue_ = value;
    const TextStyle& front = StyleAt(value & 0xFF);
    const int backIndex = value >> 8;
    const TextStyle& back = backIndex == 0 ? front : StyleAt(backIndex);
    current_.text = Colour(front.textColour, QPalette::Text);
    current_.background = Colour(back.background, QPalette::Base);
    current_.fontFlags = front.fontFlags & kFontVariantMask;
    current_.font = &fonts_.Variant(current_.fontFlags);
    return current_;
}

} // namespace varnex
