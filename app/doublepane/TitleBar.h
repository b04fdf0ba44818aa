// The title bar above a compare pane: a sunken strip of text in the system's proportional font.
#pragma once

#include <QLabel>

namespace varnex {

class TitleBar : public QLabel {
    Q_OBJECT

public:
    explicit TitleBar(QWidget* parent = nullptr);
};

} // namespace varnex
