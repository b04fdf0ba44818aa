// What a compare pane cannot show of a file: its encoding and its kind of line ends, and
// whether two files differ in nothing else.
#include "app/compare/FileFormat.h"

#include "res/StringId.h"
#include "res/StringTable.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace varnex {

namespace {

constexpr std::uint8_t kCr = '\r';
constexpr std::uint8_t kLf = '\n';
constexpr std::array<std::uint8_t, 3> kUtf8Bom{0xEF, 0xBB, 0xBF};

// Reads a text as it compares when line ends do not count: CR LF, CR and LF each read as one
// LF. Read as bytes, or as the characters of an encoding, where a UTF-8 byte order mark names
// the encoding and is no character of the text. No copy is made: the comparison stops at the
// first difference, which for most pairs comes early.
class LfReader {
public:
    LfReader(Bytes text, std::optional<TextEncoding> decoding)
        : text_(text.data()), length_(static_cast<int>(text.size())), decoding_(decoding) {
        const bool bom = decoding == TextEncoding::Utf8 && text.size() >= kUtf8Bom.size() &&
                         std::equal(kUtf8Bom.begin(), kUtf8Bom.end(), text.begin());
        at_ = bom ? static_cast<int>(kUtf8Bom.size()) : 0;
    }

    // The next unit, or nothing at the end.
    std::optional<char32_t> Next() {
        if (at_ >= length_) return std::nullopt;
        if (text_[at_] == kCr) {
            at_ += at_ + 1 < length_ && text_[at_ + 1] == kLf ? 2 : 1;
            return kLf;
        }
        if (!decoding_) return text_[at_++];
        const EncodedChar next = CharAt(text_, length_, at_, *decoding_);
        at_ += next.bytes;
        return next.code;
    }

private:
    const std::uint8_t* text_;
    int length_;
    std::optional<TextEncoding> decoding_;
    int at_ = 0;
};

bool SameWithLfEnds(Bytes first, std::optional<TextEncoding> firstDecoding, Bytes second,
                    std::optional<TextEncoding> secondDecoding) {
    LfReader a(first, firstDecoding);
    LfReader b(second, secondDecoding);
    while (true) {
        const std::optional<char32_t> unit = a.Next();
        if (unit != b.Next()) return false;
        if (!unit) return true;
    }
}

bool WithoutCr(LineEnds ends) {
    return ends == LineEnds::Lf || ends == LineEnds::None;
}

// Or-ing every byte lets the compiler take many at a time; files of megabytes pass here after
// each comparison.
bool IsAscii(Bytes text) {
    std::uint8_t bits = 0;
    for (const std::uint8_t byte : text)
        bits |= byte;
    return bits < 0x80;
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
    if (text.empty()) return LineEnds::None;
    // Most files hold no CR at all; memchr finds that out many bytes at a time.
    if (!std::memchr(text.data(), kCr, text.size()))
        return std::memchr(text.data(), kLf, text.size()) ? LineEnds::Lf : LineEnds::None;
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
    const bool ascii = IsAscii(text);
    if (ends.empty())
        return encoding == TextEncoding::Utf8 || ascii ? std::string() : EncodingName(encoding);
    if (ascii) return ends;
    return EncodingName(encoding) + ", " + ends;
}

HiddenDifference HiddenDifferenceOf(Bytes first, TextEncoding firstEncoding, Bytes second,
                                    TextEncoding secondEncoding) {
    const LineEnds firstEnds = LineEndsOf(first);
    const LineEnds secondEnds = LineEndsOf(second);
    const bool sameEnds = firstEnds == secondEnds;
    const bool noCr = WithoutCr(firstEnds) && WithoutCr(secondEnds);
    if (noCr ? std::ranges::equal(first, second)
             : SameWithLfEnds(first, std::nullopt, second, std::nullopt))
        return sameEnds ? HiddenDifference::None : HiddenDifference::LineEnds;
    // Windows-1252 gives every byte a character of its own: other bytes, other characters.
    const bool bytewise =
        firstEncoding == TextEncoding::Windows1252 && secondEncoding == TextEncoding::Windows1252;
    if (bytewise || !SameWithLfEnds(first, firstEncoding, second, secondEncoding))
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
