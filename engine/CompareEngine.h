// The comparison engine's entry point: load two texts, compare them, fill two panes, navigate.
#pragma once

#include "engine/result/AlignedRows.h"
#include "engine/result/BlockNavigator.h"
#include "engine/fill/DifferenceStyles.h"
#include "engine/result/EngineCommand.h"
#include "engine/load/LineStyler.h"
#include "engine/result/RowKind.h"
#include "engine/fill/RowSink.h"
#include "engine/load/SourceText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

// Results of LoadAndCompare.
inline constexpr int kCompareOk = 0;
inline constexpr int kFirstFileFailed = 1;
inline constexpr int kSecondFileFailed = 2;

class CompareEngine {
public:
    // Loads both files, compares them in `mode` and fills both sinks. Returns 0, or 1 / 2 when
    // the first / second file cannot be opened; then the sinks are left untouched, the paths
    // are kept (a reload retries them), the row count is 0 and the navigation state stays.
    // `styler` may be null (no syntax colouring).
    int LoadAndCompare(const std::string& firstPath, const std::string& secondPath,
                       CompareMode mode, LineStyler* styler, RowSink& left, RowSink& right);
    // The same for texts already in memory (standard input, pipes); the names stand in for
    // the paths. Always returns 0.
    int CompareTexts(const std::string& firstName, std::vector<std::uint8_t> first,
                     const std::string& secondName, std::vector<std::uint8_t> second,
                     CompareMode mode, LineStyler* styler, RowSink& left, RowSink& right);

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
    void Compare(LineStyler* styler, RowSink& left, RowSink& right);

    SourceText left_;
    SourceText right_;
    CompareMode mode_ = CompareMode::CharWise;
    AlignedRows rows_;
    BlockNavigator navigator_;
    DifferenceStyles styles_;
    bool tooManyRows_ = false;
};

} // namespace varnex
