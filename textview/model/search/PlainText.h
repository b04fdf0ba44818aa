// Plain text matched byte by byte: the engine for search texts that PCRE2 does not take.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

struct EncodingTables;

// Plain text, folded to lower case when the search ignores case.
struct PlainText {
    std::string bytes;
    bool foldCase = false;
    const std::array<std::uint8_t, 256>* fold = nullptr;

    int Size() const { return static_cast<int>(bytes.size()); }

    bool MatchesAt(const std::uint8_t* text, int at) const;
    // The first start at `from` or later, or -1.
    int Find(const std::uint8_t* text, int length, int from) const;
};

PlainText MakePlainText(std::string_view text, bool ignoreCase, const EncodingTables& tables);

} // namespace varnex
