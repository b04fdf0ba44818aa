// A configuration prepared for scanning: a role per byte, the regions a byte may start, the line
// rules longest first and the keyword table.
#include "textview/model/syntax/ScanTables.h"

#include <algorithm>

namespace varnex {

namespace {

void SetRoles(std::array<ByteRole, 256>& roles, const ByteSet& bytes, ByteRole role) {
    for (std::size_t c = 0; c < roles.size(); ++c) {
        if (bytes[c]) roles[c] = role;
    }
}

void MarkClass(std::bitset<kTokenClassCount>& used, TokenClass tokenClass) {
    used.set(static_cast<std::size_t>(tokenClass));
}

ByteSet BracketBytes(const BracketTable& table) {
    ByteSet bytes;
    for (const std::uint8_t c : table.opening)
        bytes.set(c);
    for (const std::uint8_t c : table.closing)
        bytes.set(c);
    bytes.reset(0);
    return bytes;
}

ByteSet Digits() {
    ByteSet digits;
    for (unsigned c = '0'; c <= '9'; ++c)
        digits.set(c);
    return digits;
}

} // namespace

ScanTables::ScanTables(const SyntaxConfig& config)
    : wordBytes(config.letters | config.wordBytes), numberBytes(config.numberBytes),
      regions(config.regions), lineRules(config.lineRules),
      keywords(config.groups, config.ignoreCase) {
    const ByteSet brackets = BracketBytes(config.brackets);
    // Later roles win: a byte both a letter and a separator begins a word.
    SetRoles(roles, config.separators, ByteRole::Separator);
    SetRoles(roles, brackets, ByteRole::Bracket);
    SetRoles(roles, Digits(), ByteRole::Digit);
    SetRoles(roles, config.letters, ByteRole::Letter);

    std::erase_if(regions, [](const RegionRule& rule) { return rule.start.empty(); });
    if (regions.size() > kMaxRegions) regions.resize(kMaxRegions);
    for (std::size_t index = 0; index < regions.size(); ++index) {
        const auto first = static_cast<std::uint8_t>(regions[index].start.front());
        regionFirst.set(first);
        regionsByFirst[first].push_back(static_cast<std::uint8_t>(index));
        MarkClass(usedClasses, regions[index].tokenClass);
    }
    for (auto& candidates : regionsByFirst) {
        std::stable_sort(candidates.begin(), candidates.end(),
                         [this](std::uint8_t a, std::uint8_t b) {
                             return regions[a].start.size() > regions[b].start.size();
                         });
    }

    std::erase_if(lineRules, [](const LineRule& rule) { return rule.prefix.empty(); });
    std::stable_sort(lineRules.begin(), lineRules.end(), [](const LineRule& a, const LineRule& b) {
        return a.prefix.size() > b.prefix.size();
    });
    for (const LineRule& rule : lineRules)
        MarkClass(usedClasses, rule.tokenClass);

    MarkClass(usedClasses, TokenClass::Text);
    MarkClass(usedClasses, TokenClass::Number);
    if (config.separators.any()) MarkClass(usedClasses, TokenClass::Operator);
    if (brackets.any()) MarkClass(usedClasses, TokenClass::Bracket);
    for (int group = 0; group < kWordGroupCount; ++group) {
        if (!config.groups[static_cast<std::size_t>(group)].empty())
            MarkClass(usedClasses,
                      static_cast<TokenClass>(static_cast<int>(TokenClass::Group1) + group));
    }
}

} // namespace varnex
