// Stepping through the difference blocks of the aligned rows.
#include "engine/result/BlockNavigator.h"

namespace varnex {

namespace {

bool IsDifference(const AlignedRows& rows, int row) {
    return rows.Kind(row) != RowKind::Equal;
}

// The first row at or after `from` with a non-Equal kind, or the row count.
int FindBlockStart(const AlignedRows& rows, int from) {
    int row = from;
    while (row < rows.Count() && !IsDifference(rows, row))
        ++row;
    return row;
}

// The first row after `start` with kind Equal, or the row count.
int FindBlockEnd(const AlignedRows& rows, int start) {
    int row = start + 1;
    while (row < rows.Count() && IsDifference(rows, row))
        ++row;
    return row < rows.Count() ? row : rows.Count();
}

// One past the last non-Equal row before `before`, or 0 when there is none.
int FindBlockEndBefore(const AlignedRows& rows, int before) {
    int row = before - 1;
    while (row >= 0 && !IsDifference(rows, row))
        --row;
    return row + 1;
}

int FindRunStart(const AlignedRows& rows, int end) {
    int row = end;
    while (row > 0 && IsDifference(rows, row - 1))
        --row;
    return row;
}

using Navigate = int (*)(BlockNavigator&, const AlignedRows&);

struct NavigationRule {
    EngineCommandId id;
    bool (*enabled)(int count, int current);
    Navigate action;
};

const NavigationRule kRules[] = {
    {EngineCommandId::FirstBlock, [](int count, int current) { return count > 0 && current != 0; },
     [](BlockNavigator& nav, const AlignedRows& rows) { return nav.First(rows); }},
    {EngineCommandId::NextBlock,
     [](int count, int current) { return count > 0 && current < count - 1; },
     [](BlockNavigator& nav, const AlignedRows& rows) { return nav.Next(rows); }},
    {EngineCommandId::PreviousBlock,
     [](int count, int current) { return count > 0 && current > 0; },
     [](BlockNavigator& nav, const AlignedRows& rows) { return nav.Previous(rows); }},
    {EngineCommandId::CurrentBlock,
     [](int count, int current) { return count > 0 && current >= 0; },
     [](BlockNavigator& nav, const AlignedRows&) { return nav.Current(); }},
    {EngineCommandId::LastBlock,
     [](int count, int current) { return count > 0 && current != count - 1; },
     [](BlockNavigator& nav, const AlignedRows& rows) { return nav.Last(rows); }},
};

const NavigationRule* FindRule(EngineCommandId id) {
    for (const NavigationRule& rule : kRules) {
        if (rule.id == id) return &rule;
    }
    return nullptr;
}

} // namespace

void BlockNavigator::Reset(int blockCount) {
    count_ = blockCount;
    current_ = -1;
    start_ = 0;
    end_ = 0;
}

bool BlockNavigator::IsEnabled(EngineCommandId id) const {
    const NavigationRule* rule = FindRule(id);
    return rule && rule->enabled(count_, current_);
}

int BlockNavigator::Run(EngineCommandId id, const AlignedRows& rows) {
    const NavigationRule* rule = FindRule(id);
    if (!rule || !rule->enabled(count_, current_)) return -1;
    return rule->action(*this, rows);
}

int BlockNavigator::First(const AlignedRows& rows) {
    current_ = 0;
    start_ = FindBlockStart(rows, 0);
    end_ = FindBlockEnd(rows, start_);
    return start_;
}

int BlockNavigator::Next(const AlignedRows& rows) {
    ++current_;
    start_ = FindBlockStart(rows, end_);
    end_ = FindBlockEnd(rows, start_);
    return start_;
}

int BlockNavigator::Previous(const AlignedRows& rows) {
    --current_;
    end_ = FindBlockEndBefore(rows, start_);
    start_ = FindRunStart(rows, end_);
    return start_;
}

int BlockNavigator::Last(const AlignedRows& rows) {
    current_ = count_ - 1;
    end_ = FindBlockEndBefore(rows, rows.Count());
    start_ = FindRunStart(rows, end_);
    return start_;
}

} // namespace varnex
