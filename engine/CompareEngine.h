// The comparison engine's entry point: load two texts, compare them, fill two panes, navigate.
#pragma once

#include "engine/CancelFlag.h"
#include "engine/CompareMode.h"
#include "engine/Side.h"
#include "engine/fill/DifferenceStyles.h"
#include "engine/fill/RowSink.h"
#include "engine/load/LineStyler.h"
#include "engine/load/SourceText.h"
#include "engine/result/AlignedRows.h"
#include "engine/result/BlockNavigator.h"
#include "engine/result/EngineCommand.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace varnex {

// What LoadAndCompare reports; the numbers are the ones "error N" in a dump names. Only a
// compare given a CancelFlag can end Cancelled.
enum class LoadResult : int { Ok = 0, FirstFileFailed = 1, SecondFileFailed = 2, Cancelled = 3 };

// The side whose file could not be opened, for a failed load.
constexpr Side FailedSide(LoadResult result) {
    return result == LoadResult::FirstFileFailed ? Side::Left : Side::Right;
}

class CompareEngine {
public:
    // Loads both files, compares them in `mode` and fills both sinks. When a file cannot be
    // opened the sinks are left untouched, the paths are kept (a reload retries them), the row
    // count is 0 and the navigation state stays. `styler` may be null (no syntax colouring).
    LoadResult LoadAndCompare(const std::string& firstPath, const std::string& secondPath,
                              CompareMode mode, LineStyler* styler, RowSink& left, RowSink& right);
    // The same for texts already in memory (standard input, pipes); the names stand in for the
    // paths. Fails only for lack of memory, leaving the sinks empty then.
    LoadResult CompareTexts(const std::string& firstName, ByteBuffer first,
                            const std::string& secondName, ByteBuffer second, CompareMode mode,
                            LineStyler* styler, RowSink& left, RowSink& right);

    // LoadAndCompare in two halves, so that the long one can run off the window's thread on an
    // engine of its own while the shown engine stays as it is: Prepare loads, matches and lays
    // out the rows without touching a sink, stopping between passes and blocks once `cancel` is
    // set (then the rows are empty, as after a failed load). Adopt takes a prepared engine's
    // texts and rows and keeps this engine's difference styles; Fill fills the sinks from them.
    LoadResult Prepare(const std::string& firstPath, const std::string& secondPath,
                       CompareMode mode, LineStyler* styler, const CancelFlag* cancel = nullptr);
    void Adopt(CompareEngine&& prepared);
    LoadResult Fill(LineStyler* styler, RowSink& left, RowSink& right);

    const SourceText& Left() const { return left_; }
    const SourceText& Right() const { return right_; }
    const std::string& FirstPath() const { return left_.path; }
    const std::string& SecondPath() const { return right_.path; }
    CompareMode Mode() const { return mode_; }
    const AlignedRows& Rows() const { return rows_; }
    // True when the rows reached their limit and the rest of the files is not shown.
    bool TooManyRows() const { return tooManyRows_; }
    const DifferenceStyles& Styles() const { return styles_; }

    const BlockNavigator& Navigator() const { return navigator_; }
    int BlockCount() const { return navigator_.BlockCount(); }
    // Enabled and checked state of a command (navigation, compare mode, reload).
    CommandState QueryCommand(EngineCommandId id) const;
    // Runs a navigation command; the row to show, or -1 when it is disabled or not one.
    int Navigate(EngineCommandId id) { return navigator_.Run(id, rows_); }

private:
    void Begin(const std::string& firstPath, const std::string& secondPath, CompareMode mode);
    LoadResult CheckRoom(std::uint64_t firstBytes, std::uint64_t secondBytes);
    LoadResult WithinMemory(std::uint64_t firstBytes, std::uint64_t secondBytes,
                            const std::function<LoadResult()>& work, RowSink* left = nullptr,
                            RowSink* right = nullptr);
    LoadResult LayOut(const CancelFlag* cancel);
    void GiveBack();
    void StartFilling(LineStyler* styler, RowSink& left, RowSink& right);

    SourceText left_;
    SourceText right_;
    CompareMode mode_ = CompareMode::CharWise;
    AlignedRows rows_;
    BlockNavigator navigator_;
    DifferenceStyles styles_;
    bool tooManyRows_ = false;
};

} // namespace varnex
