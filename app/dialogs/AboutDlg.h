// The About dialog "Info über Varnex": program name, version and what the program does.
#pragma once

#include <QDialog>

namespace varnex {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace varnex
