// The comparison engine's entry point: load two texts, compare them, fill two panes, navigate.
#include "engine/CompareEngine.h"

#include "common/AvailableMemory.h"
#include "common/FileProbe.h"
#include "engine/CompareMemory.h"
#include "engine/Limits.h"
#include "engine/fill/PaneFiller.h"
#include "engine/layout/RowLayout.h"
#include "engine/load/SourceLoader.h"
#include "engine/match/LineMatch.h"

#include <functional>
#include <new>

namespace varnex {

namespace {

// Number of lines of `side` that the rows show: the last real line number on that side.
int LinesShown(const AlignedRows& rows, Side side) {
    for (int row = rows.Count() - 1; row >= 0; --row) {
        if (rows.Line(side, row) != 0) return rows.Line(side, row);
    }
    return 0;
}

std::uint64_t SizeOrZero(const std::string& path) {
    return static_cast<std::uint64_t>(std::max<std::int64_t>(RegularFileSize(path), 0));
}

} // namespace

LoadResult CompareEngine::LoadAndCompare(const std::string& firstPath,
                                         const std::string& secondPath, CompareMode mode,
                                         LineStyler* styler, RowSink& left, RowSink& right) {
    const LoadResult prepared = Prepare(firstPath, secondPath, mode, styler);
    return prepared == LoadResult::Ok ? Fill(styler, left, right) : prepared;
}

LoadResult CompareEngine::CompareTexts(const std::string& firstName, ByteBuffer first,
                                       const std::string& secondName, ByteBuffer second,
                                       CompareMode mode, LineStyler* styler, RowSink& left,
                                       RowSink& right) {
    Begin(firstName, secondName, mode);
    const LoadResult prepared = WithinMemory(first.size(), second.size(), [&] {
        LoadSourceBytes(left_, std::move(first), styler);
        LoadSourceBytes(right_, std::move(second), styler);
        return LayOut(nullptr);
    });
    return prepared == LoadResult::Ok ? Fill(styler, left, right) : prepared;
}

LoadResult CompareEngine::Prepare(const std::string& firstPath, const std::string& secondPath,
                                  CompareMode mode, LineStyler* styler,
                                  const CancelFlag* cancel) {
    Begin(firstPath, secondPath, mode);
    const LoadResult result =
        WithinMemory(SizeOrZero(firstPath), SizeOrZero(secondPath), [&] {
            if (!LoadSourceFile(left_, styler)) return LoadResult::FirstFileFailed;
            if (IsCancelled(cancel)) return LoadResult::Cancelled;
            if (!LoadSourceFile(right_, styler)) return LoadResult::SecondFileFailed;
            return LayOut(cancel);
        });
    if (result == LoadResult::Cancelled) GiveBack();
    return result;
}

void CompareEngine::Adopt(CompareEngine&& prepared) {
    left_ = std::move(prepared.left_);
    right_ = std::move(prepared.right_);
    mode_ = prepared.mode_;
    rows_ = std::move(prepared.rows_);
    tooManyRows_ = prepared.tooManyRows_;
    navigator_.Reset(0);
}

// Turns syntax styles into difference styles, fills the panes and counts the blocks.
LoadResult CompareEngine::Fill(LineStyler* styler, RowSink& left, RowSink& right) {
    const std::uint64_t firstBytes = static_cast<std::uint64_t>(left_.Length());
    const std::uint64_t secondBytes = static_cast<std::uint64_t>(right_.Length());
    return WithinMemory(
        firstBytes, secondBytes,
        [&] {
            StartFilling(styler, left, right);
            styles_.Apply(left_, LinesShown(rows_, Side::Left));
            styles_.Apply(right_, LinesShown(rows_, Side::Right));
            FillSink(left, Side::Left, left_, rows_, styles_);
            FillSink(right, Side::Right, right_, rows_, styles_);
            navigator_.Reset(rows_.MarkEndAndCountBlocks());
            return LoadResult::Ok;
        },
        &left, &right);
}

// Runs `work` unless the files need more memory than there is. Should an allocation fail all
// the same, everything the compare took is given back and the sinks are emptied, as after a
// file that could not be opened, rather than ending the program; the larger file is blamed.
LoadResult CompareEngine::WithinMemory(std::uint64_t firstBytes, std::uint64_t secondBytes,
                                       const std::function<LoadResult()>& work, RowSink* left,
                                       RowSink* right) {
    const LoadResult room = CheckRoom(firstBytes, secondBytes);
    if (room != LoadResult::Ok) return room;
    try {
        return work();
    } catch (const std::bad_alloc&) {
        GiveBack();
        for (RowSink* sink : {left, right}) {
            if (sink) sink->Clear();
        }
        return firstBytes >= secondBytes ? LoadResult::FirstFileFailed
                                         : LoadResult::SecondFileFailed;
    }
}

void CompareEngine::GiveBack() {
    ReleaseSource(left_);
    ReleaseSource(right_);
    rows_.Clear();
    navigator_.Reset(0);
}

// Files that need more memory than there is are refused before anything is allocated for them,
// the first when it alone does not fit, else the second.
LoadResult CompareEngine::CheckRoom(std::uint64_t firstBytes, std::uint64_t secondBytes) {
    const std::uint64_t available = AvailableMemory();
    if (MemoryNeeded(firstBytes) > available) return LoadResult::FirstFileFailed;
    if (MemoryNeeded(firstBytes + secondBytes) > available) return LoadResult::SecondFileFailed;
    return LoadResult::Ok;
}

// The paths are kept and the rows and blocks emptied before anything is opened, so that a
// failed call leaves paths to retry and nothing that belongs to other texts.
void CompareEngine::Begin(const std::string& firstPath, const std::string& secondPath,
                          CompareMode mode) {
    left_.path = firstPath;
    right_.path = secondPath;
    mode_ = mode;
    rows_.Clear();
    navigator_.Reset(0);
    tooManyRows_ = false;
}

// The passes after loading: match the lines and lay out the rows.
LoadResult CompareEngine::LayOut(const CancelFlag* cancel) {
    if (IsCancelled(cancel)) return LoadResult::Cancelled;
    const std::vector<MatchEntry> map = MatchLines(left_, right_, mode_);
    if (IsCancelled(cancel)) return LoadResult::Cancelled;
    const int rowCount = LayOutRows(left_, right_, map, mode_, rows_, cancel);
    if (IsCancelled(cancel)) return LoadResult::Cancelled;
    tooManyRows_ = rowCount >= kMaxRows;
    return LoadResult::Ok;
}

// The difference styles join the panes' shared table once and take the syntax styles' looks
// anew on every compare, so changed colours show; every compare empties the panes.
void CompareEngine::StartFilling(LineStyler* styler, RowSink& left, RowSink& right) {
    if (styles_.Registered()) {
        styles_.Refresh(styler, left);
    } else {
        styles_.Register(styler, left);
    }
    for (RowSink* sink : {&left, &right}) {
        sink->SetReadOnly(true);
        sink->Clear();
    }
}

CommandState CompareEngine::QueryCommand(EngineCommandId id) const {
    switch (id) {
    case EngineCommandId::LineWise:
        return {true, mode_ == CompareMode::LineWise};
    case EngineCommandId::CharWise:
        return {true, mode_ == CompareMode::CharWise};
    case EngineCommandId::CharWiseNoBlanks:
        return {true, mode_ == CompareMode::CharWiseNoBlanks};
    case EngineCommandId::Reload:
        return {!left_.path.empty() && !right_.path.empty(), false};
    default:
        return {navigator_.IsEnabled(id), false};
    }
}

} // namespace varnex
