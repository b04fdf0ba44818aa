// Widens a character-wise difference inside a word to the word's edges.
#include "engine/layout/WordSmoothing.h"

#include "engine/result/RowKind.h"

namespace varnex {

namespace {

constexpr std::uint8_t kEqual = static_cast<std::uint8_t>(RowKind::Equal);
constexpr std::uint8_t kChanged = static_cast<std::uint8_t>(RowKind::Changed);

bool OpensOnLeft(const std::uint8_t* bytes, int q, std::uint8_t previousKind) {
    return q == 0 || !IsWordByte(bytes[q - 1]) || previousKind == kChanged;
}

bool OpensOnRight(const std::uint8_t* bytes, const CharCell* cells, int q, int count,
                  std::uint8_t previousKind) {
    if (q + 1 < count && IsWordByte(bytes[q + 1])) return cells[q + 1].kind == kChanged;
    return previousKind == kChanged;
}

} // namespace

bool IsWordByte(std::uint8_t byte) {
    // Spelled out rather than std::isalnum, which follows the process's locale.
    if (byte >= '0' && byte <= '9') return true;
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte == '_') return true;
    return byte >= 0xC0 && byte <= 0xFD && byte != 0xDE;
}

void SmoothWords(const std::uint8_t* bytes, CharCell* cells, int count) {
    std::uint8_t previousKind = kEqual;
    for (int q = 0; q < count; ++q) {
        const std::uint8_t ownKind = cells[q].kind;
        if (ownKind == kEqual && IsWordByte(bytes[q]) && OpensOnLeft(bytes, q, previousKind) &&
            OpensOnRight(bytes, cells, q, count, previousKind)) {
            cells[q].kind = kChanged;
        }
        previousKind = ownKind;
    }
}

} // namespace varnex
