// The 44-byte font description of a pane group, stored little-endian as the "Font" setting.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

struct FontSpec {
    static constexpr std::size_t kBytes = 44;
    static constexpr std::size_t kFaceBytes = 32; // zero-terminated, so 31 characters at most
    static constexpr int kMinSize = 6;
    static constexpr int kMaxSize = 48;

    static constexpr std::uint32_t kBold = 0x1;
    static constexpr std::uint32_t kItalic = 0x2;
    static constexpr std::uint32_t kUnderline = 0x4;
    static constexpr std::uint32_t kFixedPitch = 0x8;
    static constexpr std::uint32_t kClipStroke = 0x10; // clip precision 15 instead of 2

    std::uint32_t width = 0; // pixels, 0 = the face's natural width
    std::uint32_t height = 0;
    std::uint32_t flags = 0;
    std::array<char, kFaceBytes> face{};

    // A fixed-pitch font of `size` pixels (clamped to kMinSize..kMaxSize) of `faceName`.
    static FontSpec ForSize(int size, std::string_view faceName);
    // Reads the stored form; anything but exactly kBytes bytes is refused.
    static std::optional<FontSpec> FromBytes(const std::uint8_t* bytes, std::size_t size);
    std::array<std::uint8_t, kBytes> ToBytes() const;

    std::string Face() const;
    // Keeps at most kFaceBytes - 1 bytes of `faceName`.
    void SetFace(std::string_view faceName);

    bool operator==(const FontSpec&) const = default;
};

} // namespace varnex
