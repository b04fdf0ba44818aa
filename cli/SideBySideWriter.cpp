// Writes a comparison as two columns of text, coloured for a terminal or marked for a pipe.
#include "cli/SideBySideWriter.h"

#include "cli/TerminalColours.h"
#include "common/Graphemes.h"
#include "common/Unicode.h"
#include "res/StringId.h"
#include "res/StringTable.h"

#include <algorithm>
#include <charconv>

namespace varnex {

namespace {

// Between the halves: a blank, the row's marker, a blank.
constexpr int kMarkerColumns = 3;
constexpr int kMinTextWidth = 1;
// Shown for control characters, which a terminal would otherwise act on.
constexpr const char* kControlSign = "\xC2\xB7";

bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// The kind a cluster is coloured with: its first byte's, or Changed when its bytes differ.
RowKind KindOfChar(const SourceText& side, std::uint32_t start, int bytes) {
    const std::uint8_t first = side.cells[start].kind;
    for (int k = 1; k < bytes; ++k) {
        if (side.cells[start + k].kind != first) return RowKind::Changed;
    }
    return static_cast<RowKind>(first);
}

char RowMarker(RowKind kind) {
    static const char markers[4] = {' ', '|', '>', '<'};
    return markers[static_cast<int>(kind) & 3];
}

int DigitCount(int value) {
    int digits = 1;
    while (value >= 10)
        value /= 10, ++digits;
    return digits;
}

// The bytes a pane shows for a line: without one trailing LF, then one trailing CR.
std::pair<std::uint32_t, std::uint32_t> ShownBytes(const SourceText& side, int line) {
    const std::uint32_t start = side.LineStart(line);
    std::uint32_t end = side.LineEnd(line);
    if (end > start && side.text[end - 1] == '\n') --end;
    if (end > start && side.text[end - 1] == '\r') --end;
    return {start, end};
}

// Emits colour escapes only where the colour changes.
class ColourRun {
public:
    ColourRun(std::string& out, bool enabled) : out_(out), enabled_(enabled) {}
    ~ColourRun() { Switch(""); }
    void Switch(const std::string& colour) {
        if (!enabled_ || colour == current_) return;
        out_ += ResetColour();
        out_ += colour;
        current_ = colour;
    }

private:
    std::string& out_;
    bool enabled_;
    std::string current_;
};

class HalfLine {
public:
    HalfLine(std::string& out, bool colour, int width, int tabWidth)
        : run_(out, colour), out_(out), width_(width), tabWidth_(tabWidth) {}

    bool Full() const { return cut_ || column_ >= width_; }
    int Room() const { return width_ - column_; }
    // Printable ASCII bytes, each one cell; `count` fits the room left.
    void PutPrintable(const std::uint8_t* bytes, int count, const std::string& colour) {
        run_.Switch(colour);
        out_.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
        column_ += count;
    }
    // One cluster of `bytes`: a tab runs to its stop, a control character shows a sign, a
    // cluster of no cells (a byte-order mark) is left out so that the columns stay true.
    void PutCluster(const std::uint8_t* bytes, TextCluster cluster, TextEncoding encoding,
                    const std::string& colour) {
        run_.Switch(colour);
        if (cluster.first == '\t') {
            const int stop = std::min(width_, (column_ / tabWidth_ + 1) * tabWidth_);
            out_.append(static_cast<std::size_t>(stop - column_), ' ');
            column_ = stop;
            return;
        }
        if (column_ + cluster.cells > width_) {
            // A wide character that does not fit ends the text; padding fills its place.
            cut_ = true;
            return;
        }
        if (IsControl(cluster.first)) {
            out_ += kControlSign;
        } else if (encoding == TextEncoding::Utf8 && !cluster.invalid) {
            if (cluster.cells > 0)
                out_.append(reinterpret_cast<const char*>(bytes),
                            static_cast<std::size_t>(cluster.bytes));
        } else {
            AppendUtf8(out_, cluster.first);
        }
        column_ += cluster.cells;
    }
    void Pad(const std::string& colour, int upTo) {
        run_.Switch(colour);
        const int stop = std::min(width_, upTo);
        if (stop > column_) out_.append(static_cast<std::size_t>(stop - column_), ' ');
        column_ = std::max(column_, stop);
    }

private:
    ColourRun run_;
    std::string& out_;
    int width_;
    int tabWidth_;
    int column_ = 0;
    bool cut_ = false;
};

bool IsPrintableAscii(std::uint8_t byte) {
    return byte >= 0x20 && byte < 0x7F;
}

// Length of the run of printable ASCII bytes from `at` that share one kind, at most `limit`:
// they go out as they are, in one piece. In UTF-8 the run stops before a byte that a following
// mark or joiner could extend.
int PrintableRun(const SourceText& side, std::uint32_t at, int length, int limit, bool utf8) {
    const std::uint8_t kind = side.cells[at].kind;
    const std::uint8_t* bytes = side.text.data() + at;
    const int end = std::min(length, limit);
    int count = 0;
    while (count < end && IsPrintableAscii(bytes[count]) && side.cells[at + count].kind == kind)
        ++count;
    // A mark after the last byte would belong to it: that byte goes with its cluster.
    if (utf8 && count > 0 && count < length && bytes[count] >= 0x80) --count;
    return count;
}

} // namespace

SideBySideWriter::SideBySideWriter(const SourceText& left, const SourceText& right,
                                   const AlignedRows& rows, SideBySideLayout layout)
    : left_(left), right_(right), rows_(rows), layout_(layout),
      leftEncoding_(ResolveEncoding(layout.encoding, left.text.data(), left.text.size())),
      rightEncoding_(ResolveEncoding(layout.encoding, right.text.data(), right.text.size())) {
    numberWidth_ = DigitCount(std::max(left.LineCount(), right.LineCount()));
    const int half = (layout_.width - kMarkerColumns) / 2;
    textWidth_ = std::max(kMinTextWidth, half - numberWidth_ - 1);
}

std::string SideBySideWriter::Write(const std::array<std::string, 2>& titles) const {
    std::string out;
    out.reserve(static_cast<std::size_t>(rows_.Count()) * (layout_.width + 8));
    WriteTitles(out, titles);
    for (int row = 0; row < rows_.Count(); ++row)
        WriteRow(out, row);
    return out;
}

std::string SideBySideWriter::Write(const std::array<std::string, 2>& titles,
                                    const std::vector<RowStretch>& stretches) const {
    std::string out;
    WriteTitles(out, titles);
    int written = 0;
    for (const RowStretch stretch : stretches) {
        if (stretch.first > written) {
            std::array<std::string, 2> starts;
            for (const Side side : kBothSides)
                starts[IndexOf(side)] =
                    FormatString(kStrStretchStart, {std::to_string(StartLine(side, stretch))});
            WriteTitles(out, starts);
        }
        for (int row = stretch.first; row < stretch.last; ++row)
            WriteRow(out, row);
        written = stretch.last;
    }
    return out;
}

// The stretch's first line of the file; a side with only placeholders in it goes on after the
// unchanged row before it.
int SideBySideWriter::StartLine(Side side, RowStretch stretch) const {
    for (int row = stretch.first; row < stretch.last; ++row) {
        if (const int line = rows_.Line(side, row)) return line;
    }
    return stretch.first > 0 ? rows_.Line(side, stretch.first - 1) + 1 : 1;
}

void SideBySideWriter::WriteTitles(std::string& out,
                                   const std::array<std::string, 2>& titles) const {
    const int half = numberWidth_ + 1 + textWidth_;
    for (int side = 0; side < 2; ++side) {
        HalfLine title(out, layout_.colour, half, layout_.tabWidth);
        // Names come from the command line, in the terminal's encoding, mostly UTF-8.
        const auto* name = reinterpret_cast<const std::uint8_t*>(titles[side].data());
        const int length = static_cast<int>(titles[side].size());
        const TextEncoding encoding = DetectEncoding(name, titles[side].size());
        for (int at = 0; at < length && !title.Full();) {
            const TextCluster cluster = ClusterAt(name, length, at, encoding);
            title.PutCluster(name + at, cluster, encoding, TitleColour());
            at += cluster.bytes;
        }
        title.Pad("", half);
        if (side == 0) out.append(kMarkerColumns, ' ');
    }
    out += '\n';
}

void SideBySideWriter::WriteRow(std::string& out, int row) const {
    const RowKind kind = rows_.Kind(row);
    WriteNumber(out, rows_.LeftLine(row));
    WriteHalf(out, left_, leftEncoding_, rows_.LeftLine(row), kind, true);
    out += ' ';
    out += RowMarker(kind);
    out += ' ';
    WriteNumber(out, rows_.RightLine(row));
    WriteHalf(out, right_, rightEncoding_, rows_.RightLine(row), kind, false);
    out += '\n';
}

void SideBySideWriter::WriteNumber(std::string& out, int line) const {
    char digits[16];
    const char* end = line == 0 ? digits : std::to_chars(digits, digits + sizeof digits, line).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    out.append(static_cast<std::size_t>(numberWidth_) - count, ' ');
    out.append(digits, count);
    out += ' ';
}

void SideBySideWriter::WriteHalf(std::string& out, const SourceText& side, TextEncoding encoding,
                                 int line, RowKind rowKind, bool fill) const {
    HalfLine half(out, layout_.colour, textWidth_, layout_.tabWidth);
    // Colours reach across the half; plain text needs blanks only to reach the next column.
    const int colourWidth = layout_.colour || fill ? textWidth_ : 0;
    if (line == 0) {
        half.Pad(PlaceholderColour(), colourWidth);
        return;
    }
    const auto [start, end] = ShownBytes(side, line - 1);
    const std::uint8_t* text = side.text.data() + start;
    const int length = static_cast<int>(end - start);
    for (int at = 0; at < length && !half.Full();) {
        const bool utf8 = encoding == TextEncoding::Utf8;
        if (const int run = PrintableRun(side, start + at, length - at, half.Room(), utf8)) {
            half.PutPrintable(text + at, run,
                              KindColour(static_cast<RowKind>(side.cells[start + at].kind)));
            at += run;
            continue;
        }
        const TextCluster cluster = ClusterAt(text, length, at, encoding);
        const RowKind kind = KindOfChar(side, start + at, cluster.bytes);
        half.PutCluster(text + at, cluster, encoding,
                        cluster.invalid ? InvalidByteColour(kind) : KindColour(kind));
        at += cluster.bytes;
    }
    // Whole inserted or removed lines are coloured across; an empty line shows one blank.
    const bool wholeLine = rowKind == RowKind::Inserted || rowKind == RowKind::Removed;
    half.Pad(KindColour(rowKind),
             wholeLine ? colourWidth : (start == end && layout_.colour ? 1 : 0));
    half.Pad("", fill ? textWidth_ : 0);
}

} // namespace varnex
