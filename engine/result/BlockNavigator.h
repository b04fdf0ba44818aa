// Stepping through the difference blocks of the aligned rows.
#pragma once

#include "engine/result/AlignedRows.h"
#include "engine/result/EngineCommand.h"

namespace varnex {

// A block here is a maximal run of rows with a non-Equal kind, so a Changed run directly
// followed by an Inserted run is reached as one block although it is counted as two.
class BlockNavigator {
public:
    // After a compare: `blockCount` blocks, none current.
    void Reset(int blockCount);

    int BlockCount() const { return count_; }
    int CurrentBlock() const { return current_; }
    int StartRow() const { return start_; }
    int EndRow() const { return end_; } // exclusive

    bool IsEnabled(EngineCommandId id) const;
    // Runs a navigation command and returns the row to show (the current block's start);
    // -1 when the command is not a navigation command or is disabled.
    int Run(EngineCommandId id, const AlignedRows& rows);

    int First(const AlignedRows& rows);
    int Next(const AlignedRows& rows);
    int Previous(const AlignedRows& rows);
    int Last(const AlignedRows& rows);
    int Current() const { return start_; }

private:
    int count_ = 0;
    int current_ = -1;
    int start_ = 0;
    int end_ = 0;
};

} // namespace varnex
