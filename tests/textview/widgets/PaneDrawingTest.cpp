// What a pane draws: style colours at character cells, tabs, marks, margin and font variants.
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/AnsiEditView.h"
#include "textview/widgets/FontSet.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace varnex {
namespace {

constexpr std::uint32_t kRed = 0x0000FF; // 0x00BBGGRR
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;

QColor Rgb(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QImage Grab(CAnsiView& pane) {
    return pane.viewport()->grab().toImage();
}

// Colour near the top left corner of a cell, where glyphs do not reach.
QColor CellColour(const QImage& image, const CAnsiView& pane, int column, int row) {
    const QSize cell = pane.CellSize();
    return image.pixelColor(pane.MarginWidth() + column * cell.width() + 1,
                            row * cell.height() + 1);
}

bool Near(const QColor& a, const QColor& b) {
    constexpr int kTolerance = 80; // glyph edges are blended with the background
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           kTolerance;
}

// True when some pixel of the cell comes close to `colour` (text is drawn antialiased).
bool CellHasColour(const QImage& image, const CAnsiView& pane, int column, int row,
                   const QColor& colour) {
    const QSize cell = pane.CellSize();
    for (int y = row * cell.height(); y < (row + 1) * cell.height(); ++y) {
        for (int x = column * cell.width(); x < (column + 1) * cell.width(); ++x) {
            if (Near(image.pixelColor(pane.MarginWidth() + x, y), colour)) return true;
        }
    }
    return false;
}

QColor WindowColour(const CAnsiView& pane) {
    return pane.palette().color(QPalette::Base);
}

// A pane that draws one line of given style values, to reach values the line store never makes.
class ValueView : public CAnsiView {
public:
    explicit ValueView(const std::string& text) : CAnsiView("PaneDrawingValues"), text_(text) {
        values.assign(text.size(), 0);
        resize(500, 120);
        show();
    }
    int LineCount() const override { return 1; }
    int PrintLine(LinePainter& lines, const QRect& rect, int, int firstColumn, int, int) override {
        const LineCells cells{reinterpret_cast<const std::uint8_t*>(text_.data()), values.data(),
                              static_cast<int>(text_.size()), 0, after};
        drawnPixels = lines.DrawLine(rect, firstColumn, cells, flags, TabWidth::Get());
        return drawnPixels / CellSize().width();
    }

    std::vector<StyleValue> values;
    StyleValue after = 0;
    int flags = 0;
    int drawnPixels = 0;

private:
    std::string text_;
};

class PaneDrawingTest : public testing::Test {
protected:
    PaneDrawingTest() {
        pane.resize(500, 200);
        pane.show();
        red = pane.AddStyle(kWindowColour, kRed, "red", 50 | StyleTable::kReuseExisting, 0);
        green = pane.AddStyle(kWindowColour, kGreen, "green", 51 | StyleTable::kReuseExisting, 0);
        window = pane.AddStyle(kBlue, kWindowColour, "window", 52 | StyleTable::kReuseExisting, 0);
    }
    ~PaneDrawingTest() override { pane.SetLineNumberWidth(-1); }

    void Line(const std::string& text, const std::vector<std::uint8_t>& ids) {
        const int index = pane.SetLine(reinterpret_cast<const std::uint8_t*>(text.data()),
                                       pane.LineCount(), static_cast<int>(text.size()), 0);
        pane.SetLineStyles(index, ids.data(), static_cast<int>(ids.size()), 0, 1);
    }

    CAnsiEditView pane{2048, 65535, CAnsiEditView::kPerCharacterStyles, "PaneDrawing"};
    int red = 0;
    int green = 0;
    int window = 0;
};

TEST_F(PaneDrawingTest, EachCharacterCellShowsTheBackgroundOfItsStyle) {
    Line("  ab ", {50, 51, 52, 50, 1});
    const QImage image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 0, 0), Rgb(kRed));
    EXPECT_EQ(CellColour(image, pane, 1, 0), Rgb(kGreen));
    EXPECT_EQ(CellColour(image, pane, 2, 0), WindowColour(pane));
    EXPECT_EQ(CellColour(image, pane, 3, 0), Rgb(kRed));
    EXPECT_EQ(CellColour(image, pane, 4, 0), WindowColour(pane));
    EXPECT_TRUE(CellHasColour(image, pane, 2, 0, Rgb(kBlue))); // the "a" in its text colour
}

TEST_F(PaneDrawingTest, TheRowGoesOnInTheBackgroundTheLineEndsIn) {
    Line("ab", {1, 50});
    Line("cd", {50, 1});
    const QImage image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 10, 0), Rgb(kRed));
    EXPECT_EQ(CellColour(image, pane, 10, 1), WindowColour(pane));
    EXPECT_EQ(CellColour(image, pane, 10, 5), WindowColour(pane)); // below the last line
}

TEST_F(PaneDrawingTest, ASelectionInVirtualSpaceIsPaintedCellByCell) {
    test::SavedPaneGlobals saved;
    EditOptions::Set(EditOptions::kVirtualDisplay, EditOptions::kVirtualDisplay);
    Line("abc", {1, 1, 50});
    Line("abc", {1, 1, 50});
    pane.Editor().MoveTo({5, 0}, false);
    pane.Editor().MoveTo({8, 0}, true);
    const QColor selected = Rgb(pane.Resources().Styles().Get(*pane.Resources().Styles().IndexOfId(
                                    StyleTable::kSelectionId))->background);
    ASSERT_NE(selected, Rgb(kRed));
    QImage image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 4, 0), Rgb(kRed)) << "the gap keeps the line's end";
    for (int column = 5; column < 8; ++column)
        EXPECT_EQ(CellColour(image, pane, column, 0), selected) << "column " << column;
    EXPECT_EQ(CellColour(image, pane, 9, 0), Rgb(kRed)) << "past the caret's cell";

    pane.Editor().MoveTo({1, 1}, false);
    pane.Editor().MoveTo({6, 1}, true);
    image = Grab(pane);
    for (int column = 1; column < 6; ++column)
        EXPECT_EQ(CellColour(image, pane, column, 1), selected) << "column " << column;
    EXPECT_EQ(CellColour(image, pane, 7, 1), Rgb(kRed));
}

TEST_F(PaneDrawingTest, TabsRunToTheNextMultipleOfTheTabWidth) {
    ASSERT_EQ(TabWidth::Get(), 4);
    Line("abc\tX", {1, 1, 1, 1, 50});
    Line("abcd\tX", {1, 1, 1, 1, 1, 50});
    const QImage image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 3, 0), WindowColour(pane));
    EXPECT_EQ(CellColour(image, pane, 4, 0), Rgb(kRed));
    EXPECT_EQ(CellColour(image, pane, 7, 1), WindowColour(pane));
    EXPECT_EQ(CellColour(image, pane, 8, 1), Rgb(kRed));
}

TEST_F(PaneDrawingTest, HorizontalScrollingKeepsTabStopsAtTheirColumns) {
    std::vector<std::uint8_t> ids(102, 50);
    ids[1] = 51;
    Line("a\t" + std::string(100, 'x'), ids);
    pane.ScrollTo(2, 0);
    ASSERT_EQ(pane.Scroll().firstColumn, 2);
    const QImage image = Grab(pane);
    // The tab covers columns 1..3, so the first two visible columns still belong to it.
    EXPECT_EQ(CellColour(image, pane, 0, 0), Rgb(kGreen));
    EXPECT_EQ(CellColour(image, pane, 1, 0), Rgb(kGreen));
    EXPECT_EQ(CellColour(image, pane, 2, 0), Rgb(kRed));
}

TEST_F(PaneDrawingTest, MarginShowsGreyNumbersAndWidth2001RemovesIt) {
    Line("abc", {50, 50, 50});
    ASSERT_TRUE(pane.SetLineNumberWidth(40));
    EXPECT_FALSE(pane.SetLineNumberWidth(40));
    QImage image = Grab(pane);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixelColor(1, pane.CellSize().height() * 3 + 1), QColor(0xC0, 0xC0, 0xC0));
    bool numberDrawn = false;
    for (int y = 0; y < pane.CellSize().height(); ++y) {
        for (int x = 0; x < 40; ++x)
            numberDrawn = numberDrawn || Near(image.pixelColor(x, y), QColor(0x80, 0x80, 0x80));
    }
    EXPECT_TRUE(numberDrawn);
    EXPECT_EQ(CellColour(image, pane, 0, 0), Rgb(kRed)); // text starts right of the margin
    ASSERT_TRUE(pane.SetLineNumberWidth(2001));
    EXPECT_EQ(pane.MarginWidth(), 0);
    image = Grab(pane);
    EXPECT_EQ(image.pixelColor(1, 1), Rgb(kRed));
}

TEST_F(PaneDrawingTest, MarginIsSharedByThePanesOfAGroup) {
    CAnsiEditView sibling(2048, 100, 1, "PaneDrawing");
    ASSERT_TRUE(pane.SetLineNumberWidth(0));
    EXPECT_TRUE(sibling.Resources().MarginWidth().has_value());
    EXPECT_TRUE(sibling.SetLineNumberWidth(-5));
    EXPECT_FALSE(pane.Resources().MarginWidth().has_value());
}

TEST_F(PaneDrawingTest, FontFlags5UseTheBoldUnderlinedVariantOrTheBaseFont) {
    const int styled =
        pane.AddStyle(kBlue, kWindowColour, "bold underline", 53 | StyleTable::kReuseExisting, 5);
    ASSERT_GT(styled, 0);
    Line("    ", {53, 53, 53, 53});
    Line("    ", {52, 52, 52, 52});
    const QImage image = Grab(pane);
    const FontSet& fonts = pane.Fonts();
    EXPECT_FALSE(CellHasColour(image, pane, 1, 1, Rgb(kBlue)));
    if (fonts.HasOwnVariant(5)) {
        EXPECT_TRUE(fonts.Variant(5).bold());
        EXPECT_TRUE(CellHasColour(image, pane, 1, 0, Rgb(kBlue))); // the underline under blanks
    } else {
        EXPECT_EQ(fonts.Variant(5), fonts.Base());
        EXPECT_FALSE(CellHasColour(image, pane, 1, 0, Rgb(kBlue)));
    }
}

TEST_F(PaneDrawingTest, ScrollingShowsLaterLinesAndStopsAtTheEnd) {
    for (int i = 0; i < 100; ++i)
        Line(" ", {static_cast<std::uint8_t>(i == 60 ? 51 : 50)});
    int reportedLine = -1;
    QObject::connect(&pane, &CAnsiView::ScrollPositionChanged,
                     [&reportedLine](int, int line) { reportedLine = line; });
    pane.ScrollTo(0, 60);
    EXPECT_EQ(reportedLine, 60);
    EXPECT_EQ(pane.verticalScrollBar()->value(), 60);
    EXPECT_EQ(CellColour(Grab(pane), pane, 0, 0), Rgb(kGreen));
    pane.ScrollTo(0, 1000);
    EXPECT_EQ(pane.Scroll().firstLine, 100 - pane.Scroll().fullLines);
    pane.ScrollTo(-3, -3);
    EXPECT_EQ(pane.Scroll().firstLine, 0);
    EXPECT_EQ(pane.Scroll().firstColumn, 0);
}

TEST_F(PaneDrawingTest, WheelScrollsByLinesLikeAnEditor) {
    for (int i = 0; i < 100; ++i)
        Line("x", {50});
    QApplication::processEvents(); // the scroll range follows the filling
    QWheelEvent wheel(QPointF(10, 10), pane.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane.viewport(), &wheel);
    EXPECT_EQ(pane.Scroll().firstLine, QApplication::wheelScrollLines());
}

// Records the area of every paint the viewport receives.
class PaintSpy : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

TEST_F(PaneDrawingTest, RestylingOneVisibleLineRepaintsOnlyItsRow) {
    for (int i = 0; i < 5; ++i)
        Line("abc", {50, 50, 50});
    QApplication::processEvents();
    PaintSpy spy;
    pane.viewport()->installEventFilter(&spy);
    const std::uint8_t ids[] = {51, 51, 51};
    pane.SetLineStyles(4, ids, 3, 0, 1);
    QApplication::processEvents();
    const QRect row(0, 4 * pane.CellSize().height(), pane.viewport()->width(),
                    pane.CellSize().height());
    EXPECT_EQ(spy.painted.boundingRect(), row);
    spy.painted = QRegion();
    pane.Clear();
    QApplication::processEvents();
    EXPECT_EQ(spy.painted.boundingRect(), pane.viewport()->rect());
    pane.viewport()->removeEventFilter(&spy);
}

TEST_F(PaneDrawingTest, Utf8DisplayShowsASequenceInOneCell) {
    Line("\xC3\xA9X", {1, 1, 50});
    pane.SetEncoding(TextEncoding::Utf8);
    QImage image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 1, 0), Rgb(kRed));
    pane.SetEncoding(TextEncoding::Windows1252);
    image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 1, 0), WindowColour(pane));
    EXPECT_EQ(CellColour(image, pane, 2, 0), Rgb(kRed));
}

TEST_F(PaneDrawingTest, AWideUtf8CharacterFillsTwoCellsInTheStyleItsBytesResolveTo) {
    Line("\xE4\xB8\xAD"
         "XY",
         {50, 51, 51, 51, 1});
    pane.SetEncoding(TextEncoding::Utf8);
    QImage image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 0, 0), Rgb(kRed)) << "without a rule: the first byte's";
    EXPECT_EQ(CellColour(image, pane, 1, 0), Rgb(kRed));
    EXPECT_EQ(CellColour(image, pane, 2, 0), Rgb(kGreen)) << "X follows in the third cell";
    EXPECT_EQ(CellColour(image, pane, 3, 0), WindowColour(pane)) << "Y in the fourth";
    std::vector<std::pair<int, int>> asked;
    pane.SetMixedStyleRule([&asked](std::uint8_t firstId, std::uint8_t otherId) {
        asked.emplace_back(firstId, otherId);
        return otherId;
    });
    image = Grab(pane);
    EXPECT_EQ(CellColour(image, pane, 0, 0), Rgb(kGreen));
    EXPECT_EQ(CellColour(image, pane, 1, 0), Rgb(kGreen));
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), std::make_pair(50, 51));
}

// A byte-order mark takes no cell, e with its mark one, 日 two: X stands in the fourth cell. The
// stray byte 0x97 shows its Windows-1252 dash, framed in its text colour.
TEST_F(PaneDrawingTest, Utf8ClustersTakeTheirCellsAndAStrayByteIsFramed) {
    pane.AddStyle(kGreen, kWindowColour, "ink", 53 | StyleTable::kReuseExisting, 0);
    Line("\xEF\xBB\xBF"
         "e\xCC\x81\xE6\x97\xA5X",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 53});
    Line("X\x97", {53, 53});
    pane.SetEncoding(TextEncoding::Utf8);
    const QImage image = Grab(pane);
    const QColor green = Rgb(kGreen);
    EXPECT_FALSE(CellHasColour(image, pane, 2, 0, green));
    EXPECT_TRUE(CellHasColour(image, pane, 3, 0, green));
    EXPECT_FALSE(CellHasColour(image, pane, 4, 0, green));
    const QSize cell = pane.CellSize();
    const int top = cell.height(); // the second row's top edge
    const int x = pane.MarginWidth() + cell.width() / 2;
    EXPECT_FALSE(Near(image.pixelColor(x, top), green)) << "X is not framed";
    EXPECT_TRUE(Near(image.pixelColor(x + cell.width(), top), green));
}

// A line longer than the pane keeps ends where its last whole character ends, then "…" in the
// style the line ends in; nothing of the cut 日 is shown.
TEST_F(PaneDrawingTest, ALineCutByThePaneEndsInAnEllipsis) {
    CAnsiEditView small{8, 10, CAnsiEditView::kPerCharacterStyles, "PaneDrawing"};
    small.resize(300, 60);
    small.show();
    small.AddStyle(kBlue, kGreen, "cut", 54 | StyleTable::kReuseExisting, 0);
    const std::string text = "abcdef\xE6\x97\xA5z";
    const int index = small.SetLine(reinterpret_cast<const std::uint8_t*>(text.data()), 0,
                                    static_cast<int>(text.size()), 0);
    const std::vector<std::uint8_t> ids(text.size(), 54);
    small.SetLineStyles(index, ids.data(), static_cast<int>(ids.size()), 0, 1);
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
        small.SetEncoding(encoding);
        const QImage image = Grab(small);
        EXPECT_EQ(CellColour(image, small, 6, 0), Rgb(kGreen));
        EXPECT_TRUE(CellHasColour(image, small, 6, 0, Rgb(kBlue))) << "the ellipsis";
        EXPECT_FALSE(CellHasColour(image, small, 7, 0, Rgb(kBlue))) << "nothing after it";
    }
}

TEST_F(PaneDrawingTest, ClearEmptiesTheWindow) {
    Line("abc", {50, 50, 50});
    pane.Clear();
    EXPECT_EQ(CellColour(Grab(pane), pane, 0, 0), WindowColour(pane));
}

class StyleValueTest : public testing::Test {
protected:
    StyleValueTest() {
        StyleTable& styles = view.Resources().Styles();
        redIndex = styles.Add(kBlue, kRed, "red", 60 | StyleTable::kReuseExisting, 0);
        greenIndex = styles.Add(kRed, kGreen, "green", 61 | StyleTable::kReuseExisting, 0);
    }
    ValueView view{"abcdef"};
    int redIndex = 0;
    int greenIndex = 0;
};

TEST_F(StyleValueTest, HighByteChoosesTheBackgroundAndIndicesPastTheTableMeanStyle0) {
    view.values = {static_cast<StyleValue>(redIndex),
                   static_cast<StyleValue>(redIndex | greenIndex << 8),
                   200,
                   static_cast<StyleValue>(200 << 8 | redIndex),
                   0,
                   0};
    const QImage image = Grab(view);
    EXPECT_EQ(CellColour(image, view, 0, 0), Rgb(kRed));
    EXPECT_EQ(CellColour(image, view, 1, 0), Rgb(kGreen));
    EXPECT_TRUE(CellHasColour(image, view, 1, 0, Rgb(kBlue))); // text still from the low byte
    EXPECT_EQ(CellColour(image, view, 2, 0), WindowColour(view));
    EXPECT_EQ(CellColour(image, view, 3, 0), WindowColour(view));
}

TEST_F(StyleValueTest, MarkFlagDrawsTheMaskedStyleWithALightRedBar) {
    view.values = {
        static_cast<StyleValue>(0x80 | redIndex), static_cast<StyleValue>(redIndex), 0xFF, 0, 0, 0};
    view.flags = LinePainter::kMarks;
    const QImage image = Grab(view);
    const QSize cell = view.CellSize();
    const int barY = cell.height() * 15 / 16;
    EXPECT_EQ(CellColour(image, view, 0, 0), Rgb(kRed));
    EXPECT_EQ(image.pixelColor(cell.width() / 2, barY), QColor(0xFF, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(cell.width() + cell.width() / 2, barY), Rgb(kRed));
    EXPECT_EQ(CellColour(image, view, 2, 0), WindowColour(view)); // 0xFF: no mark, style 0x7F
}

TEST_F(StyleValueTest, AfterTheTextOneMoreCellOrTheWholeRestTakesTheNextStyle) {
    view.after = static_cast<StyleValue>(greenIndex);
    view.flags = LinePainter::kPaintOneMore;
    QImage image = Grab(view);
    EXPECT_EQ(CellColour(image, view, 6, 0), Rgb(kGreen));
    EXPECT_EQ(view.drawnPixels, 7 * view.CellSize().width());
    view.flags = LinePainter::kPaintToEdge;
    view.viewport()->update();
    image = Grab(view);
    EXPECT_EQ(CellColour(image, view, 6, 0), Rgb(kGreen));
    EXPECT_EQ(CellColour(image, view, 20, 0), Rgb(kGreen));
}

TEST(BaseView, PrintLineWithoutOverrideShowsItsNotice) {
    class BareView : public CAnsiView {
    public:
        BareView() : CAnsiView("PaneDrawingBare") {}
        int LineCount() const override { return 1; }
    } view;
    view.resize(600, 80);
    view.show();
    const QImage image = Grab(view);
    bool textInFirstRow = false;
    bool textInSecondRow = false;
    const QColor window = WindowColour(view);
    for (int x = 0; x < 40 * view.CellSize().width() && x < image.width(); ++x) {
        for (int y = 0; y < view.CellSize().height(); ++y) {
            textInFirstRow = textInFirstRow || image.pixelColor(x, y) != window;
            textInSecondRow =
                textInSecondRow || image.pixelColor(x, y + view.CellSize().height()) != window;
        }
    }
    EXPECT_TRUE(textInFirstRow);
    EXPECT_FALSE(textInSecondRow);
}

TEST(LinePainterLimit, OneCallDrawsAtMost1024Characters) {
    ValueView view(std::string(2000, 'x'));
    QImage image(2100 * view.CellSize().width(), view.CellSize().height(), QImage::Format_RGB32);
    QPainter painter(&image);
    LinePainter lines(painter, view.Fonts(), view.Resources().Styles(), view.palette());
    const std::string text(2000, 'x');
    const std::vector<StyleValue> values(2000, 0);
    const LineCells cells{reinterpret_cast<const std::uint8_t*>(text.data()), values.data(), 2000,
                          0, 0};
    const int pixels = lines.DrawLine(image.rect(), 0, cells, 0, 4);
    EXPECT_EQ(pixels, LinePainter::kMaxCharacters * view.CellSize().width());
}

} // namespace
} // namespace varnex
