// The title bar above a compare pane: a sunken strip of text in the system's proportional font.
#include "app/doublepane/TitleBar.h"

#include <QFontDatabase>

namespace varnex {

namespace {

constexpr int kTextIndent = 3; // pixels between the sunken edge and the text

} // namespace

TitleBar::TitleBar(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setIndent(kTextIndent);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The text is shortened to the bar by its owner; the bar itself must never ask for more room.
    setMinimumWidth(0);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

} // namespace varnex
