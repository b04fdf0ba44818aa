// Finding the partner of the bracket at the caret within the visible lines.
#include "textview/model/editor/BracketMatch.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>
#include <optional>

namespace varnex {

namespace {

enum class BracketKind { None, Opening, Closing };

constexpr int kExcludedSlots = 4;

BracketKind KindOf(const BracketTable& table, std::uint8_t byte) {
    if (byte == 0) return BracketKind::None;
    if (std::find(table.opening.begin(), table.opening.end(), byte) != table.opening.end())
        return BracketKind::Opening;
    if (std::find(table.closing.begin(), table.closing.end(), byte) != table.closing.end())
        return BracketKind::Closing;
    return BracketKind::None;
}

bool IsExcluded(const PaneModel& document, std::uint32_t excluded, const TextLine& line,
                int index) {
    if (excluded == 0) return false;
    const std::uint8_t* styles = line.Styles();
    const TextStyle* style =
        document.GetStyle(styles ? styles[index] : document.DefaultStyleIndex());
    const std::uint32_t id = style ? static_cast<std::uint32_t>(style->id) : 0;
    for (int slot = 0; slot < kExcludedSlots; ++slot) {
        const std::uint32_t entry = (excluded >> (8 * slot)) & 0xFFu;
        if (entry != 0 && entry == id) return true;
    }
    return false;
}

// Walks from the byte after (or before) `index` across line ends, keeping count of nesting.
class PartnerScan {
public:
    PartnerScan(const PaneModel& document, const BracketRules& rules, BracketKind start)
        : document_(document), rules_(rules), start_(start) {}

    std::optional<TextPosition> Run(int line, int index, int direction, int firstLine,
                                    int lastLine) {
        for (int at = line; at >= std::min(line, firstLine) && at <= std::max(line, lastLine);
             at += direction) {
            const TextLine* text = document_.GetLine(at);
            if (!text) break;
            const int from =
                at == line ? index + direction : (direction > 0 ? 0 : text->Length() - 1);
            if (const std::optional<int> found = ScanLine(*text, from, direction)) {
                const int column = IndexToColumn(text->Text(), text->Length(), *found,
                                                 TabWidth::Get(), document_.Encoding());
                return TextPosition{column, at};
            }
        }
        return std::nullopt;
    }

private:
    std::optional<int> ScanLine(const TextLine& line, int from, int direction) {
        for (int i = from; i >= 0 && i < line.Length(); i += direction) {
            const BracketKind kind = KindOf(rules_.table, line.Text()[i]);
            if (kind == BracketKind::None) continue;
            if (IsExcluded(document_, rules_.excludedStyles, line, i)) continue;
            depth_ += kind == start_ ? 1 : -1;
            if (depth_ == 0) return i;
        }
        return std::nullopt;
    }

    const PaneModel& document_;
    const BracketRules& rules_;
    BracketKind start_;
    int depth_ = 1;
};

TextPosition VisibleEdge(const PaneModel& document, int direction, int firstLine, int lastLine) {
    if (direction < 0) return {0, firstLine};
    const TextLine* line = document.GetLine(lastLine);
    return {line ? line->Width() : 0, lastLine};
}

} // namespace

BracketMatch FindBracketMatch(const PaneModel& document, const BracketRules& rules, TextPosition at,
                              int firstLine, int lastLine, bool ranged) {
    const TextLine* line = document.GetLine(at.line);
    if (!line) return {};
    const int tabWidth = TabWidth::Get();
    const TextEncoding encoding = document.Encoding();
    const int index = ColumnToIndex(line->Text(), line->Length(), at.column, tabWidth, encoding);
    if (index >= line->Length() ||
        IndexToColumn(line->Text(), line->Length(), index, tabWidth, encoding) != at.column)
        return {};
    const BracketKind kind = KindOf(rules.table, line->Text()[index]);
    if (kind == BracketKind::None) return {};
    if (IsExcluded(document, rules.excludedStyles, *line, index)) return {};
    const int direction = kind == BracketKind::Opening ? 1 : -1;
    PartnerScan scan(document, rules, kind);
    if (const auto partner = scan.Run(at.line, index, direction, firstLine, lastLine))
        return {true, at, *partner, direction, ranged, false};
    if (!ranged) return {};
    return {true, at, VisibleEdge(document, direction, firstLine, lastLine), direction, true, true};
}

} // namespace varnex
