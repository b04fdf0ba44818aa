// Turns per-character style values into colours and fonts, switching only when the value changes.
#pragma once

#include "textview/model/settings/StyleTable.h"
#include "textview/widgets/FontSet.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include <cstdint>

namespace varnex {

// A style value: low byte = style for text colour and font, high byte = style for the
// background (0: the low byte's style). Indices past the table mean style 0.
using StyleValue = std::uint16_t;

struct ResolvedStyle {
    QColor text;
    QColor background;
    const QFont* font = nullptr;
    std::uint32_t fontFlags = 0;
};

class StyleSelector {
public:
    StyleSelector(const StyleTable& styles, const FontSet& fonts, const QPalette& palette);

    // Forgets the last value, so the next Select resolves afresh (style 0 until then).
    void Reset();
    const ResolvedStyle& Select(StyleValue value);
    const ResolvedStyle& Current() const { return current_; }
    // Font flags of the style that draws the text of `value`.
    std::uint32_t FontFlagsOf(StyleValue value) const;

private:
    const TextStyle& StyleAt(int index) const;
    QColor Colour(std::uint32_t value, QPalette::ColorRole windowRole) const;

    const StyleTable& styles_;
    const FontSet& fonts_;
    const QPalette& palette_;
    ResolvedStyle current_;
    int lastValue_ = -1;
};

} // namespace varnex
