// ANSI escapes for the difference colours of the panes, as 24-bit backgrounds.
#include "cli/TerminalColours.h"

#include "engine/fill/DifferenceStyles.h"

#include <cstdint>

namespace varnex {

namespace {

// Colours are kept as 0x00BBGGRR, as in the pane styles.
std::string Background(std::uint32_t colour) {
    const unsigned red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    return "\x1b[30;48;2;" + std::to_string(red) + ";" + std::to_string(green) + ";" +
           std::to_string(blue) + "m";
}

} // namespace

const std::string& KindColour(RowKind kind) {
    static const std::string colours[4] = {
        "",
        Background(kChangedBackground),
        Background(kInsertedBackground),
        Background(kRemovedBackground),
    };
    return colours[static_cast<int>(kind) & 3];
}

const std::string& InvalidByteColour(RowKind kind) {
    static const std::string colours[4] = {
        KindColour(RowKind::Equal) + "\x1b[7m",
        KindColour(RowKind::Changed) + "\x1b[7m",
        KindColour(RowKind::Inserted) + "\x1b[7m",
        KindColour(RowKind::Removed) + "\x1b[7m",
    };
    return colours[static_cast<int>(kind) & 3];
}

const std::string& PlaceholderColour() {
    static const std::string colour = Background(kPlaceholderBackground);
    return colour;
}

const std::string& TitleColour() {
    static const std::string colour = "\x1b[1m";
    return colour;
}

const std::string& ResetColour() {
    static const std::string reset = "\x1b[0m";
    return reset;
}

} // namespace varnex
