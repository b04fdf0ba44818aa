// What a compare pane cannot show of a file: its encoding and its kind of line ends, and
// whether two files differ in nothing else.
#include "app/compare/FileFormat.h"

#include "res/StringId.h"
#include "res/StringTable.h"

#include <algorithm>
#include <array>
#include <vector>

namespace varnex {

namespace {

constexpr std::uint8_t kCr = '\r';
constexpr std::uint8_t kLf = '\n';
constexpr std::array<std::uint8_t, 3> kUtf8Bom{0xEF, 0xBB, 0xBF};

// Every line end as one LF, so that texts that differ only there compare equal.
std::vector<std::uint8_t> WithLfEnds(Bytes text) {
    std::vector<std::uint8_t> result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kCr) {
            result.push_back(text[i]);
            continue;
        }
        result.push_back(kLf);
        if (i + 1 < text.size() && text[i + 1] == kLf) ++i;
    }
    return result;
}

// The byte order mark names the encoding; it is no character of the text.
std::u32string Characters(Bytes text, TextEncoding encoding) {
    const bool bom = encoding == TextEncoding::Utf8 && text.size() >= kUtf8Bom.size() &&
                     std::equal(kUtf8Bom.begin(), kUtf8Bom.end(), text.begin());
    const Bytes body = bom ? text.subspan(kUtf8Bom.size()) : text;
    const int length = static_cast<int>(body.size());
    std::u32string result;
    for (int at = 0; at < length;) {
        const EncodedChar next = CharAt(body.data(), length, at, encoding);
        result.push_back(next.code);
        at += next.bytes;
    }
    return result;
}

bool IsAscii(Bytes text) {
    return std::all_of(text.begin(), text.end(), [](std::uint8_t byte) { return byte < 0x80; });
}

std::string LineEndsName(LineEnds ends) {
    switch (ends) {
    case LineEnds::CrLf:
        return "CRLF";
    case LineEnds::Cr:
        return "CR";
    case LineEnds::Mixed:
        return LoadString(kStrMixedLineEnds);
    case LineEnds::None:
    case LineEnds::Lf:
        break;
    }
    return {};
}

std::string EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252";
}

} // namespace

LineEnds LineEndsOf(Bytes text) {
    bool lf = false, crLf = false, cr = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kLf) lf = true;
        if (text[i] != kCr) continue;
        const bool pair = i + 1 < text.size() && text[i + 1] == kLf;
        (pair ? crLf : cr) = true;
        i += pair ? 1 : 0;
    }
    const int kinds = int{lf} + int{crLf} + int{cr};
    if (kinds > 1) return LineEnds::Mixed;
    if (crLf) return LineEnds::CrLf;
    if (cr) return LineEnds::Cr;
    return lf ? LineEnds::Lf : LineEnds::None;
}

std::string FormatNote(Bytes text, TextEncoding encoding) {
    const std::string ends = LineEndsName(LineEndsOf(text));
    const bool plainEncoding = encoding == TextEncoding::Utf8 || IsAscii(text);
    if (ends.empty()) return plainEncoding ? std::string() : EncodingName(encoding);
    if (IsAscii(text)) return ends;
    return EncodingName(encoding) + ", " + ends;
}

HiddenDifference HiddenDifferenceOf(Bytes first, TextEncoding firstEncoding, Bytes second,
                                    TextEncoding secondEncoding) {
    const std::vector<std::uint8_t> firstLf = WithLfEnds(first);
    const std::vector<std::uint8_t> secondLf = WithLfEnds(second);
    const bool sameEnds = LineEndsOf(first) == LineEndsOf(second);
    if (firstLf == secondLf) return sameEnds ? HiddenDifference::None : HiddenDifference::LineEnds;
    if (Characters(firstLf, firstEncoding) != Characters(secondLf, secondEncoding))
        return HiddenDifference::None;
    return sameEnds ? HiddenDifference::Encoding : HiddenDifference::EncodingAndLineEnds;
}

// The rows compare lines without their ends, so files that differ only there show no block
// at all: "no differences" would not be true of their bytes.
StringId PromptAfterCompare(bool identical, HiddenDifference hidden) {
    switch (hidden) {
    case HiddenDifference::LineEnds:
        return kStrOnlyLineEndsDiffer;
    case HiddenDifference::Encoding:
        return kStrOnlyEncodingDiffers;
    case HiddenDifference::EncodingAndLineEnds:
        return kStrOnlyEncodingAndLineEndsDiffer;
    case HiddenDifference::None:
        break;
    }
    return identical ? kStrNoDifferences : kStrReady;
}

} // namespace varnex
