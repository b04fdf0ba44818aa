// What a reader sees as one character, with the cluster breaks and widths of utf8proc.
#include "common/Graphemes.h"

#include <utf8proc.h>

#include <algorithm>

namespace varnex {

namespace {

constexpr char32_t kEmojiPresentation = 0xFE0F;
constexpr char32_t kFirstFlagLetter = 0x1F1E6;
constexpr char32_t kLastFlagLetter = 0x1F1FF;

bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

bool IsFlagLetter(char32_t code) {
    return code >= kFirstFlagLetter && code <= kLastFlagLetter;
}

int CodeCells(char32_t code) {
    if (IsControl(code)) return 1;
    return std::max(0, utf8proc_charwidth(static_cast<utf8proc_int32_t>(code)));
}

bool IsFormat(char32_t code) {
    return utf8proc_category(static_cast<utf8proc_int32_t>(code)) == UTF8PROC_CATEGORY_CF;
}

// Before a byte below 0x80 that follows another one (not a CR) a cluster always starts: neither
// can extend, join or prepend. Walking forward from there finds the cluster that holds `index`.
int SafeStartBefore(const std::uint8_t* text, int index) {
    for (int at = index; at > 0; --at) {
        if (text[at] < 0x80 && text[at - 1] < 0x80 && text[at - 1] != '\r') return at;
    }
    return 0;
}

TextCluster Utf8ClusterAt(const std::uint8_t* text, int length, int index) {
    const EncodedChar head = DecodeUtf8(text, length, index, Utf8Decoding::Lenient);
    TextCluster cluster{head.code, head.bytes, CodeCells(head.code), false};
    if (text[index] >= 0x80 && head.bytes == 1) {
        cluster.invalid = true;
        return cluster;
    }
    utf8proc_int32_t state = 0;
    char32_t previous = head.code;
    int flagLetters = IsFlagLetter(head.code) ? 1 : 0;
    bool presentation = false;
    while (index + cluster.bytes < length) {
        const int at = index + cluster.bytes;
        if (text[at] < 0x80 && previous < 0x80) break;
        const EncodedChar next = DecodeUtf8(text, length, at, Utf8Decoding::Strict);
        if (next.bytes == 0) break;
        if (utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous),
                                             static_cast<utf8proc_int32_t>(next.code), &state))
            break;
        cluster.bytes += next.bytes;
        cluster.cells = std::max(cluster.cells, CodeCells(next.code));
        flagLetters += IsFlagLetter(next.code) ? 1 : 0;
        presentation = presentation || next.code == kEmojiPresentation;
        previous = next.code;
    }
    if (presentation || flagLetters == 2) cluster.cells = std::max(cluster.cells, 2);
    if (cluster.cells == 0 && !IsFormat(head.code)) cluster.cells = 1;
    return cluster;
}

} // namespace

TextCluster ClusterAt(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8) return {Windows1252ToUnicode(text[index]), 1, 1, false};
    if (text[index] < 0x80 && (index + 1 == length || text[index + 1] < 0x80))
        return {text[index], 1, 1, false};
    return Utf8ClusterAt(text, length, index);
}

int ClusterStart(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8) return index;
    int start = SafeStartBefore(text, index);
    while (true) {
        const int next = start + ClusterAt(text, length, start, encoding).bytes;
        if (next > index) return start;
        start = next;
    }
}

} // namespace varnex
