// Loading files into line tables, keys and cells.
#include "common/FileProbe.h"
#include "engine/Limits.h"
#include "engine/load/CharCellArray.h"
#include "engine/load/SourceLoader.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {
namespace {

using namespace std::string_literals;

SourceText LoadBytes(const std::string& bytes, LineStyler* styler = nullptr,
                     const std::string& path = "memory.txt") {
    SourceText side;
    side.path = path;
    LoadSourceBytes(side, ByteBuffer(bytes.begin(), bytes.end()), styler);
    return side;
}

std::vector<std::uint32_t> Starts(const std::string& bytes) {
    return LoadBytes(bytes).lineStarts;
}

TEST(LineSplitting, EachKindOfLineEndEndsOneLine) {
    EXPECT_EQ(Starts("a\r\nb"), (std::vector<std::uint32_t>{0, 3, 4}));
    EXPECT_EQ(Starts("a\n"), (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(Starts("a\rb"), (std::vector<std::uint32_t>{0, 2, 3}));
    // LF CR ends a line and starts an empty one that the CR ends.
    EXPECT_EQ(Starts("a\n\rb"), (std::vector<std::uint32_t>{0, 2, 3, 4}));
    EXPECT_EQ(Starts("\n\n"), (std::vector<std::uint32_t>{0, 1, 2}));
    EXPECT_EQ(LoadBytes("").LineCount(), 0);
    EXPECT_EQ(LoadBytes("no end").LineCount(), 1);
}

// The search for line ends goes eight bytes at a time; ends at every offset within a word, near
// bytes that differ from CR or LF in a single bit, must still be found.
TEST(LineSplitting, LineEndsAreFoundAtEveryOffsetWithinAWord) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        for (int length = 0; length < 20; ++length) {
            const std::string line = std::string(static_cast<std::size_t>(length), '\x0b') + end;
            const std::string bytes = line + "\x0c\x8a\x8d" + line;
            const std::uint32_t next = static_cast<std::uint32_t>(line.size());
            const std::uint32_t secondNext = static_cast<std::uint32_t>(bytes.size());
            EXPECT_EQ(Starts(bytes), (std::vector<std::uint32_t>{0, next, secondNext}))
                << length << " bytes before " << (end[0] == '\n' ? "LF" : "CR");
        }
    }
}

TEST(LineSplitting, CellsCarryColumnAndLine) {
    const SourceText side = LoadBytes("ab\r\ncd");
    ASSERT_EQ(side.LineCount(), 2);
    EXPECT_EQ(side.cells[3].column, 3);
    EXPECT_EQ(side.cells[3].line, 0);
    EXPECT_EQ(side.cells[5].column, 1);
    EXPECT_EQ(side.cells[5].line, 1);
    EXPECT_EQ(side.cells[5].style, 0);
    EXPECT_EQ(side.cells[5].row, 0);
}

TEST(LineKeys, IgnoreBlanksButNotOrder) {
    const SourceText side = LoadBytes("a b\n\tab \nba\n \t \r\nx\0y\nxy\n"s);
    ASSERT_EQ(side.LineCount(), 6);
    EXPECT_EQ(side.keys[0], side.keys[1]);
    EXPECT_NE(side.keys[1], side.keys[2]);
    EXPECT_EQ(side.keys[3], 0u);
    EXPECT_NE(side.keys[4], side.keys[5]) << "a NUL byte counts as a character";
    EXPECT_EQ(side.keys[5], (static_cast<LineKey>('x') << 7) ^ 'y');
}

TEST(LineKeys, OnlyTheFirst2047BytesOfALineCount) {
    const std::string head(kScanLineCap, 'q');
    const SourceText side = LoadBytes(head + "A\n" + head + "B\n");
    EXPECT_EQ(side.keys[0], side.keys[1]);
    EXPECT_EQ(side.cells[kScanLineCap].column, kScanLineCap);
}

// A scanner that styles each character by its parity and records the calls.
class ParityStyler : public LineStyler {
public:
    int StyleCount() const override { return 2; }
    StyleLook GetStyleLook(int) const override { return {}; }
    bool SetSyntax(const std::string& key) override {
        syntaxKeys.push_back(key);
        return true;
    }
    void StyleLine(const std::uint8_t* text, int, int length,
                   std::vector<std::uint8_t>& styles) override {
        lengths.push_back(length);
        for (int i = 0; i < length; ++i)
            styles.push_back(text[i] % 2);
    }
    void Clear() override { ++clears; }

    std::vector<std::string> syntaxKeys;
    std::vector<int> lengths;
    int clears = 0;
};

TEST(Scanning, StylerSeesFirstLineEndByteAndStylesCells) {
    ParityStyler styler;
    const SourceText side = LoadBytes("ab\r\nc", &styler, "dir/file.cpp.keep");
    EXPECT_EQ(styler.syntaxKeys, std::vector<std::string>{".cpp"});
    EXPECT_EQ(styler.lengths, (std::vector<int>{3, 1}));
    EXPECT_EQ(styler.clears, 1);
    EXPECT_EQ(side.cells[0].style, 1); // 'a' is odd
    EXPECT_EQ(side.cells[1].style, 0);
    EXPECT_EQ(side.cells[3].style, 0) << "the LF was not handed to the styler";
}

// A styler without a configuration for the file: it would style every byte 0.
class PlainStyler : public ParityStyler {
public:
    bool SetSyntax(const std::string& key) override {
        ParityStyler::SetSyntax(key);
        return false;
    }
};

TEST(Scanning, AFileWithoutSyntaxIsNotHandedToTheStylerAndKeysAsWithoutOne) {
    PlainStyler styler;
    const std::string bytes = "int a;\r\n  b\tc\n" + std::string(3000, 'x') + "\n";
    const SourceText styled = LoadBytes(bytes, &styler, "notes.unknown");
    const SourceText plain = LoadBytes(bytes);
    EXPECT_TRUE(styler.lengths.empty());
    EXPECT_EQ(styler.clears, 1);
    EXPECT_EQ(styled.keys, plain.keys);
    for (int offset = 0; offset < styled.Length(); ++offset)
        ASSERT_EQ(styled.cells[offset].style, 0) << offset;
}

TEST(LineLimit, LastLineReachesTheEndOfTheFile) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += std::to_string(i) + "\n";
    const SourceText side = LoadBytes(bytes);
    ASSERT_EQ(side.LineCount(), kMaxLines);
    EXPECT_EQ(side.lineStarts.back(), bytes.size());
    const CharCell& last = side.cells[side.Length() - 1];
    EXPECT_EQ(last.line, kMaxLines - 1);
    EXPECT_EQ(last.style, 0);
    EXPECT_GT(last.column, 0);
}

TEST(CellCapacity, ReusedOnlyWhileTheSizeStaysClose) {
    CharCellArray cells;
    EXPECT_TRUE(cells.Prepare(100));
    EXPECT_EQ(cells.Capacity(), 100);
    EXPECT_FALSE(cells.Prepare(50));
    EXPECT_EQ(cells.Capacity(), 100);
    EXPECT_TRUE(cells.Prepare(49));
    EXPECT_EQ(cells.Capacity(), 49);
    EXPECT_TRUE(cells.Prepare(50));
    EXPECT_EQ(cells.Capacity(), 50);
}

SourceText LoadPath(const std::string& path) {
    SourceText side;
    side.path = path;
    EXPECT_TRUE(LoadSourceFile(side, nullptr)) << path;
    return side;
}

bool Loads(const std::string& path) {
    SourceText side;
    side.path = path;
    return LoadSourceFile(side, nullptr);
}

TEST(FileLoading, EmptyFileIsZeroLinesAndMissingOrFolderFails) {
    const std::string empty = test::WriteScratchFile("loader/empty.txt", "");
    EXPECT_TRUE(IsRegularFile(empty));
    EXPECT_EQ(RegularFileSize(empty), 0);
    EXPECT_EQ(LoadPath(empty).LineCount(), 0);

    const std::string folder = (test::ScratchFolder() / "loader").string();
    EXPECT_FALSE(IsRegularFile(folder));
    EXPECT_EQ(RegularFileSize(folder), -1);
    EXPECT_FALSE(Loads(folder));
    EXPECT_FALSE(Loads(folder + "/missing.txt"));
    EXPECT_FALSE(Loads(""));
}

TEST(FileLoading, BytesAreTakenUnchanged) {
    const std::string bytes = "\xE4\xF6\xFC\0\r\n\x80\x9F"s;
    const SourceText side = LoadPath(test::WriteScratchFile("loader/raw.bin", bytes));
    EXPECT_EQ(std::string(side.text.begin(), side.text.end()), bytes);
    EXPECT_EQ(side.LineCount(), 2);
}

// A file read whole must come back byte for byte whether or not its size fills the read buffer.
TEST(FileLoading, FilesAroundTheReadChunkSizeAreReadExactly) {
    for (const std::size_t size :
         {std::size_t{65535}, std::size_t{65536}, std::size_t{65537}, std::size_t{3} << 20}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
        const std::string path =
            test::WriteScratchFile("loader/chunk" + std::to_string(size) + ".txt", bytes);
        ByteBuffer read;
        ASSERT_EQ(ReadWholeFile(path, read), ReadOutcome::Read) << size;
        EXPECT_EQ(std::string(read.begin(), read.end()), bytes) << size;
    }
}

TEST(FileLoading, UnreadableFileFails) {
    if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root from reading";
    const std::string path = test::WriteScratchFile("loader/locked.txt", "secret\n");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_FALSE(Loads(path));
}

} // namespace
} // namespace varnex
