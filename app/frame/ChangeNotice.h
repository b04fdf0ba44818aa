// The bar above the panes that tells of a compared file changed on disk and offers a reload.
#pragma once

#include "app/compare/DiskChangeCheck.h"

#include <QFrame>

#include <string>

class QLabel;
class QPushButton;

namespace varnex {

class ChangeNotice : public QFrame {
    Q_OBJECT

public:
    explicit ChangeNotice(QWidget* parent = nullptr);

    // Shows the bar for the file at `path`; a later change replaces the text.
    void Show(const std::string& path, DiskChange change);

    const QLabel& Text() const { return *text_; }
    QPushButton& ReloadButton() { return *reload_; }

signals:
    void ReloadRequested();

private:
    QLabel* text_ = nullptr;
    QPushButton* reload_ = nullptr;
};

} // namespace varnex
