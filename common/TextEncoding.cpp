// How the bytes of a text become characters on screen.
#include "common/TextEncoding.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace varnex {

namespace {

constexpr int kMaxSequence = 4;

struct Range {
    char32_t first;
    char32_t last;
};

// East Asian Width W and F: Hangul Jamo, CJK, Kana, Hangul syllables, fullwidth forms and the
// emoji presentation blocks.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x3247},   {0x3250, 0x4DBF},   {0x4E00, 0xA4CF},   {0xA960, 0xA97F},
    {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4}, {0x17000, 0x18CFF},
    {0x1B000, 0x1B2FF}, {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E},
    {0x1F191, 0x1F19A}, {0x1F200, 0x1F251}, {0x1F300, 0x1F320}, {0x1F32D, 0x1F335},
    {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393}, {0x1F3A0, 0x1F3CA}, {0x1F3CF, 0x1F3D3},
    {0x1F3E0, 0x1F3F0}, {0x1F3F4, 0x1F3F4}, {0x1F3F8, 0x1F43E}, {0x1F440, 0x1F440},
    {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D}, {0x1F54B, 0x1F54E}, {0x1F550, 0x1F567},
    {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596}, {0x1F5A4, 0x1F5A4}, {0x1F5FB, 0x1F64F},
    {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC}, {0x1F6D0, 0x1F6D2}, {0x1F6D5, 0x1F6D7},
    {0x1F6EB, 0x1F6EC}, {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7EB}, {0x1F90C, 0x1F93A},
    {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FAFF}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
};

// Length of the run of ASCII bytes from `text`, eight at a time where it can.
std::size_t AsciiRun(const std::uint8_t* text, std::size_t length) {
    std::size_t at = 0;
    for (; at + 8 <= length; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text + at, sizeof word);
        if (word & 0x8080808080808080ULL) break;
    }
    while (at < length && text[at] < 0x80)
        ++at;
    return at;
}

} // namespace

EncodedChar CharAt(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return DecodeUtf8(text, length, index, Utf8Decoding::Lenient);
    return {Windows1252ToUnicode(text[index]), 1};
}

int CharStart(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8 || (text[index] & 0xC0) != 0x80) return index;
    for (int start = index - 1; start >= 0 && start > index - kMaxSequence; --start) {
        if ((text[start] & 0xC0) == 0x80) continue;
        const EncodedChar sequence = DecodeUtf8(text, length, start, Utf8Decoding::Strict);
        return start + sequence.bytes > index ? start : index;
    }
    return index;
}

int CharCells(char32_t code) {
    if (code < kWide[0].first) return 1;
    const auto after = std::upper_bound(std::begin(kWide), std::end(kWide), code,
                                        [](char32_t c, const Range& r) { return c < r.first; });
    return after != std::begin(kWide) && code <= std::prev(after)->last ? 2 : 1;
}

namespace {

// What a scan of a text as UTF-8 finds beyond its ASCII bytes.
struct Utf8Census {
    std::size_t nonAscii = 0;  // bytes of 0x80 and above
    std::size_t sequences = 0; // valid multi-byte sequences
    std::size_t invalid = 0;   // bytes that start no valid sequence
    bool invalidRun = false;   // two of them side by side
};

Utf8Census TakeUtf8Census(const std::uint8_t* text, std::size_t length) {
    Utf8Census census;
    std::size_t at = 0;
    std::size_t afterInvalid = 0; // index just past the last invalid byte, 0 before any
    while (true) {
        at += AsciiRun(text + at, length - at);
        if (at >= length) break;
        const int rest = static_cast<int>(std::min<std::size_t>(length - at, kMaxSequence));
        const EncodedChar sequence = DecodeUtf8(text + at, rest, 0, Utf8Decoding::Strict);
        if (sequence.bytes == 0) {
            census.invalidRun = census.invalidRun || (census.invalid > 0 && afterInvalid == at);
            ++census.invalid;
            ++census.nonAscii;
            afterInvalid = ++at;
            continue;
        }
        ++census.sequences;
        census.nonAscii += static_cast<std::size_t>(sequence.bytes);
        at += static_cast<std::size_t>(sequence.bytes);
    }
    return census;
}

// Non-ASCII bytes per invalid byte that a UTF-8 text may hold beyond its first one.
constexpr std::size_t kNonAsciiPerInvalidByte = 1000;

} // namespace

TextEncoding DetectEncoding(const std::uint8_t* text, std::size_t length) {
    if (length >= 3 && text[0] == 0xEF && text[1] == 0xBB && text[2] == 0xBF)
        return TextEncoding::Utf8;
    const Utf8Census census = TakeUtf8Census(text, length);
    const std::size_t allowed = std::max<std::size_t>(1, census.nonAscii / kNonAsciiPerInvalidByte);
    const bool utf8 =
        census.sequences > census.invalid && census.invalid <= allowed && !census.invalidRun;
    return utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

TextEncoding ResolveEncoding(EncodingChoice choice, const std::uint8_t* text, std::size_t length) {
    switch (choice) {
    case EncodingChoice::Windows1252:
        return TextEncoding::Windows1252;
    case EncodingChoice::Utf8:
        return TextEncoding::Utf8;
    default:
        return DetectEncoding(text, length);
    }
}

} // namespace varnex
