// The scanner a syntax configuration describes: table-driven, one pass per line, the state
// carried in scan byte B (0, or the number + 1 of the region a line ends inside).
#include "textview/model/syntax/ConfiguredScanner.h"

#include <algorithm>

namespace varnex {

namespace {

// BracketRules keeps up to four excluded style ids, one per byte.
constexpr int kExcludedSlots = 4;

} // namespace

ConfiguredScanner::ConfiguredScanner(const SyntaxConfig& config)
    : tables_(config), styleIds_(config.styleIds), brackets_(config.brackets) {}

void ConfiguredScanner::ScanLine(TextLine& line, std::uint8_t previousState) {
    const int length = line.Length();
    // An empty line keeps no style bytes; it only hands the state on.
    std::uint8_t* styles = length > 0 ? line.EnsureStyles() : nullptr;
    line.scanA = previousState;
    line.scanB = LineScan(tables_, indices_, line.Text(), length, styles).Run(previousState);
}

void ConfiguredScanner::BindStyles(const StyleTable& styles) {
    for (std::size_t k = 0; k < indices_.size(); ++k) {
        const std::optional<int> index =
            styleIds_[k] != 0 ? styles.IndexOfId(styleIds_[k]) : std::nullopt;
        indices_[k] = static_cast<std::uint8_t>(index.value_or(0));
    }
}

std::optional<std::bitset<256>> ConfiguredScanner::UsedStyles() const {
    std::bitset<256> used;
    used.set(0);
    for (std::size_t k = 0; k < indices_.size(); ++k) {
        if (tables_.usedClasses[k]) used.set(indices_[k]);
    }
    return used;
}

std::optional<BracketRules> ConfiguredScanner::Brackets() const {
    if (std::all_of(brackets_.opening.begin(), brackets_.opening.end(),
                    [](std::uint8_t c) { return c == 0; }))
        return std::nullopt;
    BracketRules rules{brackets_, 0};
    int slot = 0;
    for (const TokenClass excluded : {TokenClass::Comment, TokenClass::String}) {
        const std::uint8_t id = styleIds_[static_cast<std::size_t>(excluded)];
        const bool taken = slot > 0 && (rules.excludedStyles & 0xFFu) == id;
        if (id == 0 || taken || slot >= kExcludedSlots) continue;
        rules.excludedStyles |= static_cast<std::uint32_t>(id) << (8 * slot++);
    }
    return rules;
}

} // namespace varnex
