// Test helpers for the compare view: a shown view, fresh settings, colours of grabbed panes.
#pragma once

#include "app/compare/VarnexView.h"
#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/doublepane/TitleBar.h"
#include "engine/fill/DifferenceStyles.h"

#include "tests/support/ScratchFiles.h"

#include <QApplication>
#include <QImage>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnex::test {

inline QColor Rgb(std::uint32_t colour) { // colours are 0x00BBGGRR
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Points the user's hive at a new empty file while it lives, so that what one view stored
// does not reach the next.
class FreshUserHive {
public:
    FreshUserHive() {
        static int serial = 0;
        const char* old = std::getenv("TAMSEL_USER_HIVE");
        if (old) old_ = old;
        const std::string path =
            (ScratchFolder() / ("view-" + std::to_string(++serial) + ".reg")).string();
        setenv("TAMSEL_USER_HIVE", path.c_str(), 1);
    }
    ~FreshUserHive() { setenv("TAMSEL_USER_HIVE", old_.c_str(), 1); }
    FreshUserHive(const FreshUserHive&) = delete;
    FreshUserHive& operator=(const FreshUserHive&) = delete;

private:
    std::string old_;
};

struct ShownMessage {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

// A compare view on screen whose message boxes are only recorded.
struct ShownView {
    explicit ShownView(int width = 801, int height = 400) : view(std::make_unique<CVarnexView>()) {
        view->SetMessageBox(
            [this](QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text) {
                messages.push_back({icon, caption, text});
            });
        view->resize(width, height);
        view->show();
        QApplication::processEvents();
    }

    LoadResult Compare(const std::string& left, const std::string& right) {
        const LoadResult result = view->LoadAndCompare(WriteScratchFile("left.txt", left),
                                                       WriteScratchFile("right.txt", right));
        QApplication::processEvents();
        return result;
    }

    CComparePane& Pane(Side side) { return view->DoublePane().Pane(side); }

    FreshUserHive hive; // before the view, which writes its modes when it goes
    std::unique_ptr<CVarnexView> view;
    std::vector<ShownMessage> messages;
};

// The pane's text area as drawn now.
inline QImage GrabPane(CAnsiView& pane) {
    return pane.viewport()->grab().toImage();
}

// Where a cell of the visible text is drawn in the grabbed viewport.
inline QRect CellRect(const CAnsiView& pane, int column, int visibleRow) {
    const QSize cell = pane.CellSize();
    return QRect(pane.MarginWidth() + column * cell.width(), visibleRow * cell.height(),
                 cell.width(), cell.height());
}

// The colour most pixels of `rect` have: a cell's background, whatever glyph it holds.
inline QColor DominantColour(const QImage& image, const QRect& rect) {
    std::map<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb best = 0;
    int bestCount = -1;
    for (const auto& [colour, count] : counts) {
        if (count > bestCount) best = colour, bestCount = count;
    }
    return QColor::fromRgb(best);
}

inline QColor CellBackground(CAnsiView& pane, int column, int visibleRow) {
    return DominantColour(GrabPane(pane), CellRect(pane, column, visibleRow));
}

inline QColor WindowBackground(const CAnsiView& pane) {
    return pane.palette().color(QPalette::Base);
}

} // namespace varnex::test
