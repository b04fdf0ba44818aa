// Syntax colouring seen from the line store: configurations by name, reset of scan state, rescans.
#include "textview/model/document/PaneModel.h"
#include "textview/model/syntax/SyntaxCatalog.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

// Styles every byte with index 1 and counts '{' minus '}' as the state carried to the next line.
class BraceScanner : public SyntaxScanner {
public:
    explicit BraceScanner(int& scans) : scans_(scans) {}
    void ScanLine(TextLine& line, std::uint8_t previousState) override {
        ++scans_;
        int depth = previousState;
        std::uint8_t* styles = line.EnsureStyles();
        for (int i = 0; i < line.Length(); ++i) {
            styles[i] = 1;
            if (line.Text()[i] == '{') ++depth;
            if (line.Text()[i] == '}') --depth;
        }
        line.scanA = previousState;
        line.scanB = static_cast<std::uint8_t>(depth);
    }

private:
    int& scans_;
};

class SyntaxSeamTest : public testing::Test {
protected:
    void SetUp() override {
        SyntaxCatalog::SetSource([this](const std::string& path, const std::string& name) {
            lastPath = path;
            return name == ".c" ? std::make_unique<BraceScanner>(scans) : nullptr;
        });
    }
    void TearDown() override { SyntaxCatalog::SetSource({}); }

    void Set(const std::string& text, int index) {
        pane.SetLine(reinterpret_cast<const std::uint8_t*>(text.data()), index,
                     static_cast<int>(text.size()), 0);
    }

    int scans = 0;
    std::string lastPath;
    PaneModel pane{2048, 100, PaneModel::kPerCharacterStyles, "SyntaxSeamTest"};
};

TEST_F(SyntaxSeamTest, WithoutAConfigurationColouringStaysOff) {
    SyntaxCatalog::SetSource({});
    pane.SetSyntax(std::string(".c"));
    EXPECT_FALSE(pane.SyntaxActive());
    EXPECT_EQ(pane.DefaultStyleId(), 0);
}

TEST_F(SyntaxSeamTest, ActiveConfigurationScansAppendedLinesAndRefusesHostStyles) {
    pane.SetSettingsPath(std::string("Software\\Tamsel\\Scribent\\Text"));
    pane.SetSyntax(std::string(".c"));
    ASSERT_TRUE(pane.SyntaxActive());
    EXPECT_EQ(lastPath, "Software\\Tamsel\\Scribent\\Text");
    EXPECT_EQ(pane.DefaultStyleId(), -1);
    Set("f() {", 0);
    Set("  x;", 1);
    EXPECT_EQ(pane.GetLine(1)->scanA, 1);
    ASSERT_NE(pane.GetLine(1)->Styles(), nullptr);
    const std::uint8_t ids[] = {1, 1, 1, 1};
    EXPECT_FALSE(pane.SetLineStyles(1, ids, 4, 0, 1));
}

TEST_F(SyntaxSeamTest, ChangingTheConfigurationResetsCarriedStateAndStyles) {
    pane.SetSyntax(std::string(".c"));
    Set("{", 0);
    Set("{", 1);
    EXPECT_EQ(pane.GetLine(1)->scanB, 2);
    pane.SetSyntax(std::nullopt);
    EXPECT_EQ(pane.DefaultStyleId(), 0);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(pane.GetLine(i)->scanB, 0);
        EXPECT_EQ(pane.GetLine(i)->Styles(), nullptr);
    }
    pane.SetSyntax(std::string(".unknown"));
    EXPECT_FALSE(pane.SyntaxActive());
}

TEST_F(SyntaxSeamTest, ReplacedLineIsRescannedAndChangedStateFlowsOn) {
    pane.SetSyntax(std::string(".c"));
    Set("a", 0);
    Set("b", 1);
    Set("c", 2);
    scans = 0;
    Set("x", 1); // same carried state: only this line
    EXPECT_EQ(scans, 1);
    Set("{", 0); // the opened brace reaches every following line
    EXPECT_EQ(scans, 4);
    EXPECT_EQ(pane.GetLine(2)->scanB, 1);
}

TEST_F(SyntaxSeamTest, ClearSwitchesColouringOff) {
    pane.SetSyntax(std::string(".c"));
    Set("{", 0);
    pane.Clear();
    EXPECT_FALSE(pane.SyntaxActive());
    EXPECT_EQ(pane.DefaultStyleId(), 0);
}

} // namespace
} // namespace varnex
