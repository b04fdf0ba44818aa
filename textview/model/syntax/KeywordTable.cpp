// The keyword groups of a configuration as one open-addressing hash table: word → token class.
#include "textview/model/syntax/KeywordTable.h"

#include <array>
#include <bit>

namespace varnex {

namespace {

constexpr std::size_t kMinSlots = 16;
constexpr std::uint32_t kFnvBasis = 2166136261u;
constexpr std::uint32_t kFnvPrime = 16777619u;

// ASCII letters only: keywords of the configured languages are ASCII.
constexpr std::array<std::uint8_t, 256> MakeFoldTable() {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<std::uint8_t>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    return table;
}

constexpr std::array<std::uint8_t, 256> kFold = MakeFoldTable();

constexpr TokenClass GroupClass(int group) {
    return static_cast<TokenClass>(static_cast<int>(TokenClass::Group1) + group);
}

} // namespace

KeywordTable::KeywordTable(const std::array<std::vector<std::string>, kWordGroupCount>& groups,
                           bool ignoreCase)
    : ignoreCase_(ignoreCase) {
    std::size_t count = 0;
    for (const auto& group : groups)
        count += group.size();
    // At most half full, so that a miss ends after a few probes.
    slots_.resize(std::bit_ceil(std::max(kMinSlots, count * 2)));
    mask_ = static_cast<std::uint32_t>(slots_.size() - 1);
    for (int group = 0; group < kWordGroupCount; ++group) {
        for (const std::string& word : groups[static_cast<std::size_t>(group)])
            Insert(word, GroupClass(group));
    }
}

TokenClass KeywordTable::Find(const std::uint8_t* word, int length) const {
    if (length > longest_) return TokenClass::Text;
    for (std::uint32_t at = Hash(word, length) & mask_;; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if (slot.length == 0) return TokenClass::Text;
        if (Matches(slot, word, length)) return slot.tokenClass;
    }
}

std::uint32_t KeywordTable::Hash(const std::uint8_t* word, int length) const {
    std::uint32_t hash = kFnvBasis;
    for (int i = 0; i < length; ++i) {
        const std::uint8_t byte = ignoreCase_ ? kFold[word[i]] : word[i];
        hash = (hash ^ byte) * kFnvPrime;
    }
    return hash;
}

bool KeywordTable::Matches(const Slot& slot, const std::uint8_t* word, int length) const {
    if (slot.length != length) return false;
    const auto* stored = reinterpret_cast<const std::uint8_t*>(bytes_.data()) + slot.offset;
    for (int i = 0; i < length; ++i) {
        const std::uint8_t byte = ignoreCase_ ? kFold[word[i]] : word[i];
        if (byte != stored[i]) return false;
    }
    return true;
}

void KeywordTable::Insert(std::string_view word, TokenClass tokenClass) {
    const int length = static_cast<int>(word.size());
    if (length == 0 || length > kMaxWordLength) return;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(word.data());
    std::uint32_t at = Hash(bytes, length) & mask_;
    for (; slots_[at].length != 0; at = (at + 1) & mask_) {
        if (Matches(slots_[at], bytes, length)) return;
    }
    const auto offset = static_cast<std::uint32_t>(bytes_.size());
    for (const char c : word)
        bytes_ += static_cast<char>(ignoreCase_ ? kFold[static_cast<std::uint8_t>(c)] : c);
    slots_[at] = Slot{offset, static_cast<std::uint8_t>(length), tokenClass};
    longest_ = std::max(longest_, length);
}

} // namespace varnex
