// The title bar above a compare pane: a sunken strip of text in the system's proportional font,
// in the highlight colours while its pane is the one commands act on.
#pragma once

#include <QLabel>

namespace varnex {

class TitleBar : public QLabel {
    Q_OBJECT

public:
    explicit TitleBar(QWidget* parent = nullptr);

    void SetActive(bool active);

private:
    void KeepHighlightWhileInactive();
};

} // namespace varnex
