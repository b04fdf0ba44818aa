// Writes a comparison as two columns of text, coloured for a terminal or marked for a pipe.
#include "cli/SideBySideWriter.h"

#include "cli/TerminalColours.h"
#include "common/Windows1252.h"

#include <algorithm>

namespace varnex {

namespace {

// Between the halves: a blank, the row's marker, a blank.
constexpr int kMarkerColumns = 3;
constexpr int kMinTextWidth = 1;
// Shown for control bytes, which a terminal would otherwise act on.
constexpr const char* kControlSign = "\xC2\xB7";

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

    bool Full() const { return column_ >= width_; }
    void PutByte(std::uint8_t byte, const std::string& colour) {
        run_.Switch(colour);
        if (byte == '\t') {
            const int stop = std::min(width_, (column_ / tabWidth_ + 1) * tabWidth_);
            out_.append(static_cast<std::size_t>(stop - column_), ' ');
            column_ = stop;
            return;
        }
        if (byte < 0x20 || byte == 0x7F) {
            out_ += kControlSign;
        } else {
            AppendWindows1252AsUtf8(out_, byte);
        }
        ++column_;
    }
    void Pad(const std::string& colour, int upTo) {
        run_.Switch(colour);
        const int stop = std::min(width_, upTo);
        if (stop > column_) out_.append(static_cast<std::size_t>(stop - column_), ' ');
        column_ = std::max(column_, stop);
    }
    int Width() const { return width_; }

private:
    ColourRun run_;
    std::string& out_;
    int width_;
    int tabWidth_;
    int column_ = 0;
};

} // namespace

SideBySideWriter::SideBySideWriter(const SourceText& left, const SourceText& right,
                                   const AlignedRows& rows, SideBySideLayout layout)
    : left_(left), right_(right), rows_(rows), layout_(layout) {
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

void SideBySideWriter::WriteTitles(std::string& out,
                                   const std::array<std::string, 2>& titles) const {
    const int half = numberWidth_ + 1 + textWidth_;
    for (int side = 0; side < 2; ++side) {
        HalfLine title(out, layout_.colour, half, layout_.tabWidth);
        for (unsigned char c : titles[side]) {
            if (title.Full()) break;
            title.PutByte(c, TitleColour());
        }
        title.Pad("", half);
        if (side == 0) out.append(kMarkerColumns, ' ');
    }
    out += '\n';
}

void SideBySideWriter::WriteRow(std::string& out, int row) const {
    const RowKind kind = rows_.Kind(row);
    WriteNumber(out, rows_.LeftLine(row));
    WriteHalf(out, left_, rows_.LeftLine(row), kind, true);
    out += ' ';
    out += RowMarker(kind);
    out += ' ';
    WriteNumber(out, rows_.RightLine(row));
    WriteHalf(out, right_, rows_.RightLine(row), kind, false);
    out += '\n';
}

void SideBySideWriter::WriteNumber(std::string& out, int line) const {
    const std::string digits = line == 0 ? std::string() : std::to_string(line);
    out.append(static_cast<std::size_t>(numberWidth_) - digits.size(), ' ');
    out += digits;
    out += ' ';
}

void SideBySideWriter::WriteHalf(std::string& out, const SourceText& side, int line,
                                 RowKind rowKind, bool fill) const {
    HalfLine half(out, layout_.colour, textWidth_, layout_.tabWidth);
    // Colours reach across the half; plain text needs blanks only to reach the next column.
    const int colourWidth = layout_.colour || fill ? textWidth_ : 0;
    if (line == 0) {
        half.Pad(PlaceholderColour(), colourWidth);
        return;
    }
    const auto [start, end] = ShownBytes(side, line - 1);
    for (std::uint32_t b = start; b < end && !half.Full(); ++b) {
        half.PutByte(side.text[b], KindColour(static_cast<RowKind>(side.cells[b].kind)));
    }
    // Whole inserted or removed lines are coloured across; an empty line shows one blank.
    const bool wholeLine = rowKind == RowKind::Inserted || rowKind == RowKind::Removed;
    half.Pad(KindColour(rowKind),
             wholeLine ? colourWidth : (start == end && layout_.colour ? 1 : 0));
    half.Pad("", fill ? textWidth_ : 0);
}

} // namespace varnex
