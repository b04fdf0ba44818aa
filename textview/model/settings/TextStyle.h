// One entry of a pane group's style table: colours, id, font flags and name.
#pragma once

#include <cstdint>
#include <string>

namespace varnex {

// Colours are 0x00BBGGRR; this value stands for the window's own text or background colour.
inline constexpr std::uint32_t kWindowColour = 0xFFFFFFFFu;

// Font flags of a style; together they pick one of the eight font variants.
inline constexpr std::uint32_t kFontBold = 0x1;
inline constexpr std::uint32_t kFontItalic = 0x2;
inline constexpr std::uint32_t kFontUnderline = 0x4;
inline constexpr std::uint32_t kFontVariantMask = 0x7;

struct TextStyle {
    std::uint32_t background = kWindowColour;
    std::uint32_t textColour = kWindowColour;
    std::int32_t id = 0; // how hosts and settings name the style; 1..255 fit in style bytes
    std::uint32_t fontFlags = 0;
    std::string name;
    // Styles a host derives for the session (a comparison's difference styles) are not
    // written with the settings: read back, they would count as the group's own.
    bool kept = true;
};

} // namespace varnex
