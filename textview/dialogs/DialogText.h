// The pane dialogs' texts as Qt shows them.
#pragma once

#include <QString>

#include <string_view>

namespace varnex {

// One of the UTF-8 constants of PaneTexts.h.
inline QString DialogText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message with one "%i" in it, the way the texts carry their number.
inline QString DialogTextWithNumber(std::string_view text, int number) {
    return DialogText(text).replace(QStringLiteral("%i"), QString::number(number));
}

} // namespace varnex
