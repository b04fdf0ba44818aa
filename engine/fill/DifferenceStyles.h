// The styles that colour a comparison: one group of syntax styles per RowKind, and placeholders.
#pragma once

#include "engine/fill/RowSink.h"
#include "engine/load/LineStyler.h"
#include "engine/load/SourceText.h"
#include "engine/result/RowKind.h"

#include <cstdint>

namespace varnex {

inline constexpr std::uint32_t kDefaultColour = 0xFFFFFFFFu;
// Backgrounds (0x00BBGGRR) of the Changed, Inserted and Removed groups and of placeholders.
inline constexpr std::uint32_t kChangedBackground = 0xFFDEDE;     // light blue
inline constexpr std::uint32_t kInsertedBackground = 0xD4FFD4;    // light green
inline constexpr std::uint32_t kRemovedBackground = 0xD4D4FF;     // light red
inline constexpr std::uint32_t kPlaceholderBackground = 0xDEFFFF; // light yellow
// The pane's own styles are followed by this many reserved ids before the difference styles.
inline constexpr int kStyleBaseGap = 4;
// Style ids are 8-bit values.
inline constexpr int kMaxStyleId = 255;

class DifferenceStyles {
public:
    bool Registered() const { return registered_; }
    // Adds the 4n + 1 styles to the sink's table, n being the styler's style count (1 without
    // a styler). n is capped so that the highest id, StyleBase + 4n, stays within 255.
    void Register(const LineStyler* styler, RowSink& sink);
    // Hands the registered ids to the sink again with the styler's current looks; a sink
    // updates the styles it already has.
    void Refresh(const LineStyler* styler, RowSink& sink);

    int StyleBase() const { return styleBase_; }
    int SyntaxStyleCount() const { return syntaxCount_; }
    int KindOffset(RowKind kind) const;
    int PlaceholderId() const { return styleBase_ + 4 * syntaxCount_; }
    // Final id of a byte with syntax index `syntax` and kind `kind`; syntax indices the
    // registered styles do not cover use index 0.
    std::uint8_t IdOf(std::uint8_t syntax, RowKind kind) const;

    // Turns the syntax indices of the first `lineCount` lines' bytes into final style ids.
    void Apply(SourceText& side, int lineCount) const;

private:
    void AddGroup(const LineStyler* styler, RowSink& sink, int group, std::uint32_t background);

    bool registered_ = false;
    int styleBase_ = 0;
    int syntaxCount_ = 1;
};

} // namespace varnex
