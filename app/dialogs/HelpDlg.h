// Dialog 188 "Hilfe": the table of command-line options and what each one does.
#pragma once

#include <QDialog>

namespace varnex {

class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);
};

} // namespace varnex
