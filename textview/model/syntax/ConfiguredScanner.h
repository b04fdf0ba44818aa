// The scanner a syntax configuration describes: table-driven, one pass per line, the state
// carried in scan byte B (0, or the number + 1 of the region a line ends inside).
#pragma once

#include "textview/model/syntax/LineScan.h"
#include "textview/model/syntax/ScanTables.h"
#include "textview/model/syntax/SyntaxConfig.h"
#include "textview/model/syntax/SyntaxScanner.h"

namespace varnex {

class ConfiguredScanner : public SyntaxScanner {
public:
    explicit ConfiguredScanner(const SyntaxConfig& config);

    void ScanLine(TextLine& line, std::uint8_t previousState) override;
    // Style ids the table lacks draw in the standard style (index 0).
    void BindStyles(const StyleTable& styles) override;
    // The indices of the token classes the configuration can produce; index 0 always.
    std::optional<std::bitset<256>> UsedStyles() const override;
    // Brackets in comments and strings do not count.
    std::optional<BracketRules> Brackets() const override;

private:
    ScanTables tables_;
    std::array<std::uint8_t, kTokenClassCount> styleIds_;
    BracketTable brackets_;
    StyleIndices indices_{};
};

} // namespace varnex
