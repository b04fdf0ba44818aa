// The title bar above a compare pane: a sunken strip of text in the system's proportional font,
// in the highlight colours while its pane is the one commands act on.
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
    KeepHighlightWhileInactive();
}

// Roles, not colours: the bar follows a palette the user changes later.
void TitleBar::SetActive(bool active) {
    setAutoFillBackground(active);
    setBackgroundRole(active ? QPalette::Highlight : QPalette::Window);
    setForegroundRole(active ? QPalette::HighlightedText : QPalette::WindowText);
}

// A dialog or menu takes the window's activation, not the pane's part: the mark stays as bright.
void TitleBar::KeepHighlightWhileInactive() {
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

} // namespace varnex
