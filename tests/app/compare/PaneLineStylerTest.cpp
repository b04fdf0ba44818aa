// The scanning pane behind the loader: its settings, styles per line and syntax by file type.
#include "app/compare/PaneLineStyler.h"
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "engine/load/SourceLoader.h"
#include "textview/model/syntax/SyntaxCatalog.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace varnex {
namespace {

const std::string kColors = std::string(PaneLineStyler::kSettingsPath) + "\\Colors\\";

void WriteNumberValue(Hive hive, const std::string& path, const std::string& name,
                      std::uint32_t value) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(hive, path, OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, name, value));
}

// Gives every byte style index 2 for files of type ".c".
class EverythingTwo : public SyntaxScanner {
public:
    void ScanLine(TextLine& line, std::uint8_t) override {
        std::fill_n(line.EnsureStyles(), line.Length(), 2);
    }
};

class PaneLineStylerTest : public testing::Test {
protected:
    void SetUp() override {
        SyntaxCatalog::SetSource(
            [](const std::string& path, const std::string& name) -> std::unique_ptr<SyntaxScanner> {
                if (path != PaneLineStyler::kSettingsPath || name != ".c") return nullptr;
                return std::make_unique<EverythingTwo>();
            });
    }
    void TearDown() override { SyntaxCatalog::SetSource({}); }
};

TEST_F(PaneLineStylerTest, ReadsStylesMachineWideThenFromTheUser) {
    WriteNumberValue(Hive::LocalMachine, kColors + "9", "TX", 0x0000AA);
    WriteNumberValue(Hive::LocalMachine, kColors + "9", "Font", 1);
    WriteNumberValue(Hive::CurrentUser, kColors + "9", "TX", 0x00BB00);
    WriteNumberValue(Hive::LocalMachine, kColors + "8", "TX", 0xCC0000);
    PaneLineStyler styler;
    // Standard, Markierung, the shipped styles 201 on, then 8 and 9: keys in name order.
    const int count = styler.StyleCount();
    ASSERT_GE(count, 4);
    EXPECT_EQ(styler.GetStyleLook(0).textColour, 0xFFFFFFFFu);
    EXPECT_EQ(styler.GetStyleLook(1).textColour, 0xFFFFFFu);
    EXPECT_EQ(styler.GetStyleLook(count - 2).textColour, 0xCC0000u);
    EXPECT_EQ(styler.GetStyleLook(count - 1).textColour, 0x00BB00u);
    EXPECT_EQ(styler.GetStyleLook(count - 1).fontFlags, 0); // the user's key has no "Font"
    EXPECT_EQ(styler.GetStyleLook(count).textColour, StyleLook{}.textColour);
}

TEST_F(PaneLineStylerTest, WithoutSyntaxEveryCharacterHasStyleZero) {
    PaneLineStyler styler;
    styler.SetSyntax(".txt");
    std::vector<std::uint8_t> styles;
    const std::string text = "plain\n";
    styler.StyleLine(reinterpret_cast<const std::uint8_t*>(text.data()), 0, 6, styles);
    EXPECT_EQ(styles, std::vector<std::uint8_t>(6, 0));
    const std::string longLine(3000, 'x');
    styler.StyleLine(reinterpret_cast<const std::uint8_t*>(longLine.data()), 1, 3000, styles);
    EXPECT_EQ(styles.size(), PaneLineStyler::kMaxLineLength);
}

TEST_F(PaneLineStylerTest, TheLoaderTakesTheStylesOfTheFilesSyntax) {
    PaneLineStyler styler;
    SourceText side;
    side.path = "/tmp/example.c";
    const std::string text = "int a;\nint b;\n";
    LoadSourceBytes(side, ByteBuffer(text.begin(), text.end()), &styler);
    ASSERT_EQ(side.LineCount(), 2);
    EXPECT_EQ(side.cells[0].style, 2);
    EXPECT_EQ(side.cells[8].style, 2);

    SourceText plain;
    plain.path = "/tmp/example.txt";
    LoadSourceBytes(plain, ByteBuffer(text.begin(), text.end()), &styler);
    EXPECT_EQ(plain.cells[0].style, 0);
    EXPECT_EQ(plain.cells[8].style, 0);
}

} // namespace
} // namespace varnex
