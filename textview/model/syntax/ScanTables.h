// A configuration prepared for scanning: a role per byte, the regions a byte may start, the line
// rules longest first and the keyword table.
#pragma once

#include "textview/model/syntax/KeywordTable.h"
#include "textview/model/syntax/SyntaxConfig.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace varnex {

// What a byte outside any region starts.
enum class ByteRole : std::uint8_t { Plain, Letter, Digit, Separator, Bracket };

struct ScanTables {
    // Regions are numbered by their place in the configuration; a line that ends inside region r
    // carries state r + 1, so at most this many fit the state byte.
    static constexpr std::size_t kMaxRegions = 254;

    explicit ScanTables(const SyntaxConfig& config);

    std::array<ByteRole, 256> roles{};
    ByteSet wordBytes; // letters and the bytes that continue a word
    ByteSet numberBytes;
    ByteSet regionFirst; // bytes that begin some region
    std::vector<RegionRule> regions;
    // Per first byte, the regions beginning with it, longest start first.
    std::array<std::vector<std::uint8_t>, 256> regionsByFirst;
    std::vector<LineRule> lineRules; // longest prefix first
    KeywordTable keywords;
    std::bitset<kTokenClassCount> usedClasses;
};

} // namespace varnex
