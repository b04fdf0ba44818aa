// Character tables for regular expressions: what each byte of a code page is, laid out as
// PCRE2 reads them.
#pragma once

#include <cstdint>
#include <vector>

namespace varnex {

// What the character tables of a regular expression record of one byte, as <cctype> says it.
struct ByteTraits {
    std::uint8_t toLower = 0;
    std::uint8_t toUpper = 0;
    bool upper = false;
    bool lower = false;
    bool alpha = false;
    bool digit = false;
    bool xdigit = false;
    bool space = false;
    bool graph = false;
    bool print = false;
    bool punct = false;
    bool cntrl = false;
};

// PCRE2 character tables from the traits of every byte, laid out as pcre2_maketables() lays
// out the C library's; an encoding's regular expressions are compiled with its tables.
std::vector<std::uint8_t> MakeRegexTables(ByteTraits (*traitsOf)(std::uint8_t));

// A byte as Windows-1252 shows it: letters with their case partners (š/Š, œ/Œ, ž/Ž, ÿ/Ÿ and
// the accented letters), ß, µ, ƒ, ª and º as lower-case letters without an upper case, × and ÷
// as punctuation, the no-break space as white space, the five unassigned bytes as controls.
ByteTraits Windows1252Traits(std::uint8_t byte);

} // namespace varnex
