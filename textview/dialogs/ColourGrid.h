// One colour grid of the colours dialog: the palette's swatches in columns, one of them selected.
// Clicking a swatch or moving to it with the arrow keys picks its colour.
#pragma once

#include "textview/model/settings/ColourPalette.h"

#include <QColor>
#include <QFrame>

#include <cstdint>
#include <optional>

namespace varnex {

// A 0x00BBGGRR colour as Qt's colour, and back; not for kWindowColour.
QColor QColorOf(std::uint32_t colour);
std::uint32_t ColourValueOf(const QColor& colour);

class ColourGrid : public QFrame {
    Q_OBJECT

public:
    // `nominalClient`: the client area the dialog plans for; the grid fits it to whole swatches.
    explicit ColourGrid(QSize nominalClient, QWidget* parent = nullptr);

    // Selects the swatch of `colour`, or none when the palette lacks it, without picking it.
    void ShowColour(std::uint32_t colour);
    std::optional<int> Selected() const { return selected_; }
    const SwatchGrid& Grid() const { return grid_; }
    // Where swatch `index` is drawn, in the grid's coordinates.
    QRect SwatchRect(int index) const;

signals:
    void ColourPicked(std::uint32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Pick(int index);
    // The swatch an arrow or Home/End key leads to from the selected one.
    std::optional<int> KeyTarget(int key) const;
    void PaintSwatch(QPainter& painter, int index) const;
    void PaintWindowColourSwatch(QPainter& painter, const QRect& inner) const;

    SwatchGrid grid_;
    std::optional<int> selected_;
};

} // namespace varnex
