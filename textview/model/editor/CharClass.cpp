// Character classes of 8-bit text and the rules of where word jumps stop between them.
#include "textview/model/editor/CharClass.h"

#include "common/Unicode.h"
#include "textview/model/settings/EditOptions.h"

namespace varnex {

namespace {

// The mask's start values: with '_' as a letter or as a separator, without or with stops
// between blanks and punctuation.
constexpr std::uint32_t kStopsWithOthers = 0x318FBE;
constexpr std::uint32_t kUnderscoreApart = 0x73E318;
constexpr std::uint32_t kUnderscoreApartWithOthers = 0x73E73E;
// Underscore to upper and lower to upper.
constexpr std::uint32_t kCaseChangeStops = 0x84000;
// Only the boundaries where a run of letters or punctuation begins.
constexpr std::uint32_t kRunStartStops = 0x8639E;

bool IsWordClass(CharClass charClass, std::uint32_t editOptions) {
    if (charClass == CharClass::Blank || charClass == CharClass::Punctuation) return false;
    return charClass != CharClass::Underscore ||
           (editOptions & EditOptions::kUnderscoreSeparates) == 0;
}

// Letters are not told apart by case beyond Windows-1252: all count as lower case.
CharClass CharClassOfSequence(char32_t code) {
    const bool generalPunctuation = code >= 0x2000 && code <= 0x206F;
    const bool cjkSymbol = code >= 0x3000 && code <= 0x303F;
    if (code < 0xC0 || generalPunctuation || cjkSymbol) return CharClass::Punctuation;
    return CharClass::Lower;
}

} // namespace

CharClass CharClassOf(std::uint8_t byte) {
    if (byte <= 0x20) return CharClass::Blank;
    if (byte == '_') return CharClass::Underscore;
    if ((byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') || byte >= 0xDD)
        return CharClass::Lower;
    if ((byte >= 'A' && byte <= 'Z') || byte >= 0xC0) return CharClass::Upper;
    return CharClass::Punctuation;
}

std::uint32_t WordStopMaskFor(std::uint32_t editOptions) {
    const bool others = (editOptions & EditOptions::kStopAtOthers) != 0;
    std::uint32_t mask = kDefaultWordStopMask;
    if (editOptions & EditOptions::kUnderscoreSeparates) {
        mask = others ? kUnderscoreApartWithOthers : kUnderscoreApart;
    } else if (others) {
        mask = kStopsWithOthers;
    }
    if (editOptions & EditOptions::kStopAtCaseChange) mask |= kCaseChangeStops;
    if (editOptions & EditOptions::kStopAtRunStart) mask &= kRunStartStops;
    return mask;
}

bool StopsBetween(std::uint32_t mask, CharClass left, CharClass right) {
    const int bit = static_cast<int>(right) + 5 * static_cast<int>(left);
    return ((mask >> bit) & 1u) != 0;
}

CharClass CharClassAt(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8 || text[index] < 0x80) return CharClassOf(text[index]);
    const EncodedChar sequence = DecodeUtf8(text, length, index, Utf8Decoding::Strict);
    return sequence.bytes > 0 ? CharClassOfSequence(sequence.code) : CharClassOf(text[index]);
}

bool IsWordCharacter(std::uint8_t byte, std::uint32_t editOptions) {
    return IsWordClass(CharClassOf(byte), editOptions);
}

bool IsWordCharacterAt(const std::uint8_t* text, int length, int index, std::uint32_t editOptions,
                       TextEncoding encoding) {
    return IsWordClass(CharClassAt(text, length, index, encoding), editOptions);
}

} // namespace varnex
