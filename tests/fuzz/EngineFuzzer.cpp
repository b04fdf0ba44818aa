// The engine on any pair of texts (the input split at its first NUL byte), in all three modes:
// compare, dump, write the console's columns in both encodings, and walk the difference blocks
// both ways, checking what must always hold.
#include "cli/SideBySideWriter.h"
#include "engine/CompareEngine.h"
#include "engine/Limits.h"
#include "engine/result/ResultDump.h"
#include "tests/fuzz/InputSplit.h"

#include <algorithm>
#include <cstdlib>

namespace varnex {
namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// Checks what a pane is handed: rows inside the limit, and bytes and ids it may read.
class CheckingSink : public RowSink {
public:
    void Clear() override {}
    void SetReadOnly(bool) override {}
    int StyleCount() const override { return 0; }
    void AddStyle(int id, std::uint32_t, std::uint32_t, int) override {
        Check(id >= 0 && id <= 255);
    }
    void SetLine(int row, const std::uint8_t* bytes, int length) override {
        Check(row >= 0 && row < kMaxRows && length >= 0);
        for (int c = 0; c < length; ++c)
            sum_ += bytes[c];
    }
    void SetLineStyles(int row, const std::uint8_t* ids, int count, RowKind, int stride) override {
        Check(row >= 0 && row < kMaxRows && count >= 0 && stride >= 1);
        for (int c = 0; c < count; ++c)
            sum_ += ids[c * stride];
    }

private:
    unsigned sum_ = 0; // the bytes are read so that the sanitizer sees every access
};

// Every line of a side shows on exactly one row, in order; the rows cut off past their limit
// lose the rest.
void CheckSide(const CompareEngine& engine, Side side) {
    const AlignedRows& rows = engine.Rows();
    const SourceText& text = side == Side::Left ? engine.Left() : engine.Right();
    int shown = 0;
    for (int row = 0; row < rows.Count(); ++row) {
        const int line = rows.Line(side, row);
        if (line == 0) continue;
        Check(line == shown + 1);
        shown = line;
    }
    Check(engine.TooManyRows() ? shown <= text.LineCount() : shown == text.LineCount());
}

void CheckRows(const CompareEngine& engine) {
    const AlignedRows& rows = engine.Rows();
    Check(rows.Count() >= 0 && rows.Count() <= kMaxRows);
    Check(rows.KindCode(rows.Count()) == kRowsEndMark);
    for (int row = 0; row < rows.Count(); ++row) {
        Check(rows.KindCode(row) <= static_cast<std::uint8_t>(RowKind::Removed));
        // Equal rows may hold a placeholder: a line that matched only blanks, or a part of
        // another line, shows as equal beside nothing.
        Check(rows.LeftLine(row) != 0 || rows.RightLine(row) != 0);
    }
    CheckSide(engine, Side::Left);
    CheckSide(engine, Side::Right);
}

// A command's row is a block start, or the end of the rows when a stretch of adjacent blocks
// was passed (see BlockNavigator).
int Step(CompareEngine& engine, EngineCommandId id) {
    const int row = engine.Navigate(id);
    Check(row >= 0 && row <= engine.Rows().Count());
    Check(engine.Navigate(EngineCommandId::CurrentBlock) == row);
    return row;
}

void WalkBlocks(CompareEngine& engine) {
    const int blocks = engine.BlockCount();
    Check(blocks >= 0 && blocks <= engine.Rows().Count());
    if (blocks == 0) {
        Check(engine.Navigate(EngineCommandId::FirstBlock) == -1);
        return;
    }
    int row = Step(engine, EngineCommandId::FirstBlock);
    for (int step = 1; step < blocks; ++step) {
        const int next = Step(engine, EngineCommandId::NextBlock);
        Check(next >= row);
        row = next;
    }
    Check(engine.Navigate(EngineCommandId::NextBlock) == -1);
    Check(engine.Navigator().CurrentBlock() == blocks - 1);
    if (blocks > 1) {
        Step(engine, EngineCommandId::FirstBlock);
        row = Step(engine, EngineCommandId::LastBlock);
    }
    for (int step = 1; step < blocks; ++step) {
        const int previous = Step(engine, EngineCommandId::PreviousBlock);
        Check(previous <= row);
        row = previous;
    }
    Check(engine.Navigate(EngineCommandId::PreviousBlock) == -1);
    Check(engine.Navigator().CurrentBlock() == 0);
}

// The dump names the mode, then has a line per row and per line of each side, and four more.
void CheckDump(const CompareEngine& engine, const std::string& dump) {
    Check(dump.rfind("mode " + std::to_string(NumberOf(engine.Mode())) + "\n", 0) == 0);
    const auto lines = std::count(dump.begin(), dump.end(), '\n');
    Check(lines ==
          4 + engine.Rows().Count() + engine.Left().LineCount() + engine.Right().LineCount());
}

ByteBuffer BytesOf(std::string_view text) {
    return ByteBuffer(text.begin(), text.end());
}

// The console's side-by-side text: one line per row and a title line, however the bytes decode.
void WriteColumns(const CompareEngine& engine) {
    for (const EncodingChoice encoding : {EncodingChoice::Windows1252, EncodingChoice::Utf8}) {
        const SideBySideLayout layout{40, encoding == EncodingChoice::Utf8, 4, encoding};
        const std::string text =
            SideBySideWriter(engine.Left(), engine.Right(), engine.Rows(), layout)
                .Write({"left", "right"});
        Check(std::count(text.begin(), text.end(), '\n') == engine.Rows().Count() + 1);
    }
}

} // namespace
} // namespace varnex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnex;
    const auto [left, right] = fuzz::SplitAtFirstNul(fuzz::AsText(data, size));
    // One engine for every input and mode, as the window program keeps one for all its
    // comparisons; a new one per input spent most of the time clearing its row table.
    static CompareEngine engine;
    CheckingSink leftSink, rightSink;
    for (const CompareMode mode :
         {CompareMode::LineWise, CompareMode::CharWise, CompareMode::CharWiseNoBlanks}) {
        const LoadResult compared = engine.CompareTexts(
            "left", BytesOf(left), "right", BytesOf(right), mode, nullptr, leftSink, rightSink);
        // Inputs this small always fit in memory.
        if (compared != LoadResult::Ok) std::abort();
        CheckRows(engine);
        CheckDump(engine, DumpResult(engine, LoadResult::Ok));
        WriteColumns(engine);
        WalkBlocks(engine);
    }
    return 0;
}
