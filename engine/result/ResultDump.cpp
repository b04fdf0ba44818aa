// The canonical text form of a comparison result, used by tests and the console tool.
#include "engine/result/ResultDump.h"

#include <sstream>

namespace varnex {

namespace {

void DumpSide(std::ostringstream& out, const char* name, const SourceText& side) {
    out << name << ' ' << side.LineCount() << '\n';
    for (int line = 0; line < side.LineCount(); ++line) {
        const std::uint32_t start = side.LineStart(line);
        const std::uint32_t end = side.LineEnd(line);
        if (start == end) out << '-';
        for (std::uint32_t offset = start; offset < end; ++offset) {
            out << static_cast<char>('0' + side.cells[offset].kind);
        }
        out << '\n';
    }
}

} // namespace

std::string DumpResult(CompareMode mode, const AlignedRows& rows, int blockCount,
                       const SourceText& left, const SourceText& right) {
    std::ostringstream out;
    out << "mode " << static_cast<int>(mode) << '\n';
    out << "rows " << rows.Count() << " blocks " << blockCount << '\n';
    for (int row = 0; row < rows.Count(); ++row) {
        out << static_cast<int>(rows.Kind(row)) << ' ' << rows.LeftLine(row) << ' '
            << rows.RightLine(row) << '\n';
    }
    DumpSide(out, "left", left);
    DumpSide(out, "right", right);
    return out.str();
}

std::string DumpResult(const CompareEngine& engine, LoadResult loadResult) {
    if (loadResult != LoadResult::Ok) {
        return "error " + std::to_string(static_cast<int>(loadResult)) + "\n";
    }
    return DumpResult(engine.Mode(), engine.Rows(), engine.BlockCount(), engine.Left(),
                      engine.Right());
}

} // namespace varnex
