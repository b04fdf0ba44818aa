// Character tables for regular expressions from the traits of every byte, and the traits of
// Windows-1252 bytes.
#include "textview/model/search/RegexTables.h"

#include "common/Windows1252.h"

#include <cstddef>
#include <utility>

namespace varnex {

namespace {

// The layout of pcre2_maketables(): lower-case table, case-flip table, ten class bitmaps and
// the character type table (offsets and bits as pcre2_internal.h defines them).
constexpr std::size_t kLowerCaseOffset = 0;
constexpr std::size_t kFlipCaseOffset = 256;
constexpr std::size_t kClassBitsOffset = 512;
constexpr std::size_t kClassBitsLength = 320;
constexpr std::size_t kTypesOffset = kClassBitsOffset + kClassBitsLength;
constexpr std::size_t kTablesLength = kTypesOffset + 256;

enum ClassMap : std::size_t {
    kSpaceMap = 0,
    kXdigitMap = 32,
    kDigitMap = 64,
    kUpperMap = 96,
    kLowerMap = 128,
    kWordMap = 160,
    kGraphMap = 192,
    kPrintMap = 224,
    kPunctMap = 256,
    kCntrlMap = 288
};

constexpr std::uint8_t kTypeSpace = 0x01;
constexpr std::uint8_t kTypeLetter = 0x02;
constexpr std::uint8_t kTypeLowerLetter = 0x04;
constexpr std::uint8_t kTypeDigit = 0x08;
constexpr std::uint8_t kTypeWord = 0x10;

bool IsAlnum(const ByteTraits& traits) {
    return traits.alpha || traits.digit;
}

void SetClassBits(std::uint8_t* maps, std::uint8_t byte, const ByteTraits& traits) {
    const std::pair<ClassMap, bool> memberships[] = {
        {kSpaceMap, traits.space}, {kXdigitMap, traits.xdigit},
        {kDigitMap, traits.digit}, {kUpperMap, traits.upper},
        {kLowerMap, traits.lower}, {kWordMap, IsAlnum(traits) || byte == '_'},
        {kGraphMap, traits.graph}, {kPrintMap, traits.print},
        {kPunctMap, traits.punct}, {kCntrlMap, traits.cntrl}};
    for (const auto& [map, member] : memberships) {
        if (member) maps[map + byte / 8] |= static_cast<std::uint8_t>(1u << (byte % 8));
    }
}

std::uint8_t TypeBits(std::uint8_t byte, const ByteTraits& traits) {
    std::uint8_t bits = 0;
    if (traits.space) bits |= kTypeSpace;
    if (traits.alpha) bits |= kTypeLetter;
    if (traits.lower) bits |= kTypeLowerLetter;
    if (traits.digit) bits |= kTypeDigit;
    if (IsAlnum(traits) || byte == '_') bits |= kTypeWord;
    return bits;
}

constexpr std::uint8_t kNoBreakSpace = 0xA0;

} // namespace

ByteTraits Windows1252Traits(std::uint8_t byte) {
    ByteTraits traits;
    traits.toLower = LowerPartner1252(byte);
    traits.toUpper = UpperPartner1252(byte);
    traits.upper = traits.toLower != byte;
    traits.lower = traits.toUpper != byte || IsCaselessLower1252(byte);
    traits.alpha = traits.upper || traits.lower;
    traits.digit = byte >= '0' && byte <= '9';
    traits.xdigit = traits.digit || (byte >= 'a' && byte <= 'f') || (byte >= 'A' && byte <= 'F');
    traits.space = (byte >= 9 && byte <= 13) || byte == ' ' || byte == kNoBreakSpace;
    traits.cntrl = byte < 0x20 || byte == 0x7F || IsUnassigned1252(byte);
    traits.graph = !traits.space && !traits.cntrl;
    traits.print = traits.graph || byte == ' ' || byte == kNoBreakSpace;
    traits.punct = traits.graph && !IsAlnum(traits);
    return traits;
}

std::vector<std::uint8_t> MakeRegexTables(ByteTraits (*traitsOf)(std::uint8_t)) {
    std::vector<std::uint8_t> tables(kTablesLength, 0);
    for (std::size_t value = 0; value < 256; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);
        const ByteTraits traits = traitsOf(byte);
        tables[kLowerCaseOffset + value] = traits.toLower;
        tables[kFlipCaseOffset + value] = traits.lower ? traits.toUpper : traits.toLower;
        SetClassBits(tables.data() + kClassBitsOffset, byte, traits);
        tables[kTypesOffset + value] = TypeBits(byte, traits);
    }
    return tables;
}

} // namespace varnex
