// Draws one line into a row of cells: tabs, style runs, narrow and wide characters, clusters of
// several code points, marks.
#pragma once

#include "common/TextEncoding.h"
#include "textview/model/settings/StyleTable.h"
#include "textview/widgets/FontSet.h"
#include "textview/widgets/StyleSelector.h"

#include <QPainter>
#include <QRect>

#include <cstdint>
#include <vector>

namespace varnex {

struct LineCells {
    const std::uint8_t* text = nullptr;
    const StyleValue* styles = nullptr; // one per byte
    int count = 0;
    int startColumn = 0;       // column of text[0]; tabs run to multiples of the tab width from 0
    StyleValue styleAfter = 0; // style of what flags kPaintOneMore / kPaintToEdge paint
    TextEncoding encoding = TextEncoding::Windows1252;
    // The line goes on past its last byte, beyond what the pane keeps: a "…" follows the text
    // in `endStyle`.
    bool goesOn = false;
    StyleValue endStyle = 0;
};

class LinePainter {
public:
    // One call draws at most this many characters.
    static constexpr int kMaxCharacters = 1024;
    // Drawing flags.
    static constexpr int kPaintOneMore = 0x100; // one more cell after the text in styleAfter
    static constexpr int kPaintToEdge = 0x200;  // the rest of the row in styleAfter
    static constexpr int kMarks = 0x800;        // style low bytes 128..254 are marked characters

    LinePainter(QPainter& painter, const FontSet& fonts, const StyleTable& styles,
                const QPalette& palette);

    QPainter& Painter() { return painter_; }
    StyleSelector& Styles() { return selector_; }
    QSize Cell() const { return fonts_.Cell(); }

    // Draws `cells` into row `rect`, whose left edge shows column `firstColumn`. Returns the
    // width drawn in pixels, counted from rect's left edge.
    int DrawLine(const QRect& rect, int firstColumn, const LineCells& cells, int flags,
                 int tabWidth);
    // The column just past what row `rect` shows from `firstColumn` on (with one to spare):
    // characters that start before it reach into the row.
    int LastColumn(const QRect& rect, int firstColumn) const;
    // Fills the row from `x` to its right edge in the current background.
    void FillRest(const QRect& rect, int x);
    // Fills the cells of columns `from` to `to` (exclusive) of row `rect`, whose left edge shows
    // column `firstColumn`, in the background of `style`. Returns the right end in pixels,
    // counted from rect's left edge.
    int FillColumns(const QRect& rect, int firstColumn, int from, int to, StyleValue style);

private:
    // Cluster: a UTF-8 character of one or more code points, centred in its cells.
    enum class Shape : std::uint8_t { Tab, InRun, Alone, Wide, Cluster };

    struct PlacedChar {
        int column = 0;
        int span = 1;
        StyleValue style = 0;
        char32_t shown = U' '; // what the shapes other than Cluster draw
        Shape shape = Shape::InRun;
        bool marked = false;
        bool invalid = false; // a byte that is not valid UTF-8: framed
        int index = 0;        // of the first byte in the line's cells
        int bytes = 1;
    };

    PlacedChar Place(const LineCells& cells, int index, int column, int flags, int tabWidth) const;
    Shape ByteShape(StyleValue style, std::uint8_t byte) const;
    void Layout(const LineCells& cells, int lastColumn, int flags, int tabWidth);
    void PaintBackgrounds();
    void PaintTexts();
    void PaintMarks();
    void PaintFrames();
    void PaintText(int column, const QString& text, StyleValue style);
    void PaintCluster(const PlacedChar& placed);
    const ResolvedStyle& UseStyle(StyleValue style);
    int PaintAfter(const LineCells& cells, int endColumn, int flags);
    int X(int column) const { return left_ + (column - firstColumn_) * fonts_.Cell().width(); }
    QRect CellsRect(int column, int span) const;

    QPainter& painter_;
    const FontSet& fonts_;
    StyleSelector selector_;
    const QFont* activeFont_ = nullptr;
    std::vector<PlacedChar> placed_;
    const std::uint8_t* text_ = nullptr; // the cells' text while a line is drawn
    QRect row_;
    int left_ = 0;
    int firstColumn_ = 0;
};

} // namespace varnex
