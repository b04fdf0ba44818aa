// Dialog 190 "Information": what each difference colour of the panes stands for.
#pragma once

#include <QDialog>

#include <cstdint>

class QPixmap;

namespace varnex {

class CColourInfoDlg : public QDialog {
    Q_OBJECT

public:
    explicit CColourInfoDlg(QWidget* parent = nullptr);

    // A small sample of pane text on the background `colour` (0x00BBGGRR).
    static QPixmap ColourSample(std::uint32_t colour);
};

} // namespace varnex
