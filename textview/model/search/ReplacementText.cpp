// References to a match's groups in a replacement text, read and put in.
#include "textview/model/search/ReplacementText.h"

#include <cstddef>

namespace varnex {

namespace {

constexpr int kDollarSign = -1; // what "$$" refers to

struct Reference {
    std::size_t length = 0; // 0 when the text holds no reference
    int group = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The reference at the start of `text`: "$$", "$d" or "${n}" with n up to 99.
Reference ReadReference(std::string_view text) {
    if (text.size() < 2) return {};
    if (text[1] == '$') return {2, kDollarSign};
    if (IsDigit(text[1])) return {2, text[1] - '0'};
    if (text[1] != '{') return {};
    std::size_t end = 2;
    int group = 0;
    while (end < text.size() && end < 4 && IsDigit(text[end]))
        group = group * 10 + (text[end++] - '0');
    if (end == 2 || end >= text.size() || text[end] != '}') return {};
    return {end + 1, group};
}

} // namespace

std::string ExpandReferences(std::string_view replacement, const std::uint8_t* text,
                             const LineMatch& match) {
    std::string expanded;
    for (std::size_t at = 0; at < replacement.size();) {
        const Reference reference =
            replacement[at] == '$' ? ReadReference(replacement.substr(at)) : Reference{};
        const bool known =
            reference.length > 0 && reference.group < static_cast<int>(match.groups.size());
        if (!known) {
            expanded += replacement[at++];
            continue;
        }
        at += reference.length;
        if (reference.group == kDollarSign) {
            expanded += '$';
            continue;
        }
        const auto [first, last] = match.groups[static_cast<std::size_t>(reference.group)];
        if (first >= 0)
            expanded.append(reinterpret_cast<const char*>(text) + first,
                            static_cast<std::size_t>(last - first));
    }
    return expanded;
}

} // namespace varnex
