// Turns a file's bytes into a SourceText: line starts, line keys and per-byte cells.
#include "engine/load/SourceLoader.h"

#include "common/FileProbe.h"
#include "engine/Limits.h"
#include "engine/load/FileTypeKey.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace varnex {

namespace {

struct LineSpan {
    std::int32_t start;
    std::int32_t contentEnd; // first CR or LF, or the end of the text
    std::int32_t next;       // start of the following line
};

bool IsLineEnd(std::uint8_t byte) {
    return byte <= '\r' && (byte == '\r' || byte == '\n');
}

// True when one of the eight bytes of `word` is CR or LF (a byte is zero after the XOR exactly
// where it matched).
bool HoldsLineEnd(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    const auto hasZeroByte = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHighBits) != 0; };
    return hasZeroByte(word ^ (kOnes * '\n')) || hasZeroByte(word ^ (kOnes * '\r'));
}

LineSpan FindLine(const ByteBuffer& text, std::int32_t start) {
    const std::int32_t length = static_cast<std::int32_t>(text.size());
    const std::uint8_t* bytes = text.data();
    std::int32_t end = start;
    // Eight bytes at a time up to the word holding the line end, then byte by byte.
    for (std::uint64_t word = 0; end + 8 <= length; end += 8) {
        std::memcpy(&word, bytes + end, sizeof word);
        if (HoldsLineEnd(word)) break;
    }
    while (end < length && !IsLineEnd(bytes[end]))
        ++end;
    std::int32_t next = end;
    if (next < length && bytes[next] == '\r') ++next;
    if (next < length && bytes[next] == '\n') ++next;
    return {start, end, next};
}

// One cell per byte of a line; the column stops at the largest a cell can hold.
void WriteLineCells(CharCell* cells, int count, int line) {
    const auto lineNumber = static_cast<std::uint16_t>(line);
    const int counted = std::min(count, 0x10000);
    for (int b = 0; b < counted; ++b)
        cells[b] = CharCell{static_cast<std::uint16_t>(b), lineNumber, 0, 0, 0};
    for (int b = counted; b < count; ++b)
        cells[b] = CharCell{0xFFFF, lineNumber, 0, 0, 0};
}

class LineSplitter {
public:
    LineSplitter(SourceText& side, LineStyler* styler) : side_(side), styler_(styler) {}

    void Run() {
        std::int32_t position = 0;
        const std::int32_t length = side_.Length();
        while (position < length && side_.LineCount() < kMaxLines) {
            const LineSpan span = FindLine(side_.text, position);
            StoreLine(span);
            position = span.next;
        }
        if (position < length) ExtendLastLine(position);
        side_.cells[length] = CharCell{};
    }

private:
    // Lines are handed to the scanner with their first line-end byte so it sees where they end.
    static int ScanLength(const LineSpan& span) {
        const int content = span.contentEnd - span.start;
        const int withEnd = span.next > span.contentEnd ? content + 1 : content;
        return std::min(withEnd, kScanLineCap);
    }

    int StyledCount(const LineSpan& span, int line) {
        const int scanLength = ScanLength(span);
        styles_.clear();
        if (!styler_ || line >= kScanPaneMaxLines) return scanLength;
        styler_->StyleLine(side_.text.data() + span.start, line, scanLength, styles_);
        const int styleCount = styler_->StyleCount();
        for (auto& style : styles_) {
            if (style >= styleCount) style = 0;
        }
        return static_cast<int>(styles_.size());
    }

    void StoreLine(const LineSpan& span) {
        const int line = side_.LineCount();
        const int fullLength = span.next - span.start;
        const int keyed = std::min(StyledCount(span, line), fullLength);
        CharCell* cells = &side_.cells[span.start];
        WriteLineCells(cells, fullLength, line);
        const int styled = std::min(keyed, static_cast<int>(styles_.size()));
        for (int b = 0; b < styled; ++b)
            cells[b].style = styles_[b];
        side_.keys.push_back(KeyOfBytes(side_.text.data() + span.start, keyed));
        side_.lineStarts.push_back(static_cast<std::uint32_t>(span.next));
    }

    // Past the line limit the rest of the file belongs to the last line, as plain bytes.
    void ExtendLastLine(std::int32_t position) {
        const int line = side_.LineCount() - 1;
        const std::int32_t lineStart = static_cast<std::int32_t>(side_.LineStart(line));
        for (std::int32_t b = position; b < side_.Length(); ++b) {
            const std::int32_t column = std::min(b - lineStart, 0xFFFF);
            side_.cells[b] = CharCell{static_cast<std::uint16_t>(column),
                                      static_cast<std::uint16_t>(line), 0, 0, 0};
        }
        side_.lineStarts.back() = static_cast<std::uint32_t>(side_.Length());
    }

    SourceText& side_;
    LineStyler* styler_;
    std::vector<std::uint8_t> styles_;
};

void ResetTables(SourceText& side) {
    side.lineStarts.assign(1, 0);
    side.keys.clear();
    side.keys.reserve(kMaxLines);
}

} // namespace

void LoadSourceBytes(SourceText& side, ByteBuffer bytes, LineStyler* styler) {
    side.text = std::move(bytes);
    ResetTables(side);
    side.cells.Prepare(side.Length());
    const bool styled = styler && styler->SetSyntax(FileTypeKey(side.path));
    LineSplitter(side, styled ? styler : nullptr).Run();
    if (styler) styler->Clear();
}

bool LoadSourceFile(SourceText& side, LineStyler* styler) {
    ByteBuffer bytes;
    // Only regular files: a pipe or device would block the window or never end.
    const ReadOutcome read = ReadWholeFile(
        side.path, bytes, static_cast<std::size_t>(kMaxFileBytes), FileKinds::RegularOnly);
    if (read == ReadOutcome::OutOfMemory) throw std::bad_alloc();
    if (read != ReadOutcome::Read) {
        side.text.clear();
        ResetTables(side);
        return false;
    }
    LoadSourceBytes(side, std::move(bytes), styler);
    return true;
}

void ReleaseSource(SourceText& side) {
    std::string path = std::move(side.path);
    side = SourceText{};
    side.path = std::move(path);
}

} // namespace varnex
