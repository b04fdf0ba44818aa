// The 44-byte font description of a pane group, stored little-endian as the "Font" setting.
#include "textview/model/settings/FontSpec.h"

#include <algorithm>
#include <cstring>

namespace varnex {

namespace {

constexpr std::size_t kFaceOffset = 12;

std::uint32_t ReadWord(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteWord(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

FontSpec FontSpec::ForSize(int size, std::string_view faceName) {
    FontSpec description;
    description.height = static_cast<std::uint32_t>(std::clamp(size, kMinSize, kMaxSize));
    description.flags = kFixedPitch;
    description.SetFace(faceName);
    return description;
}

std::optional<FontSpec> FontSpec::FromBytes(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes || size != kBytes) return std::nullopt;
    FontSpec description;
    description.width = ReadWord(bytes);
    description.height = ReadWord(bytes + 4);
    description.flags = ReadWord(bytes + 8);
    std::memcpy(description.face.data(), bytes + kFaceOffset, kFaceBytes);
    description.face.back() = 0; // a stored face without terminator is cut, never read past
    return description;
}

std::array<std::uint8_t, FontSpec::kBytes> FontSpec::ToBytes() const {
    std::array<std::uint8_t, kBytes> bytes{};
    WriteWord(bytes.data(), width);
    WriteWord(bytes.data() + 4, height);
    WriteWord(bytes.data() + 8, flags);
    std::memcpy(bytes.data() + kFaceOffset, face.data(), kFaceBytes);
    return bytes;
}

std::string FontSpec::Face() const {
    return std::string(face.data(), strnlen(face.data(), kFaceBytes));
}

void FontSpec::SetFace(std::string_view faceName) {
    face.fill(0);
    const std::size_t kept = std::min(faceName.size(), kFaceBytes - 1);
    std::memcpy(face.data(), faceName.data(), kept);
}

} // namespace varnex
