// How the bytes of a text become characters on screen.
#include "common/TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace varnex {

namespace {

constexpr int kMaxSequence = 4;

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
