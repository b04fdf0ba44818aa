// The bar above the panes that tells of a compared file changed on disk and offers a reload.
#include "app/frame/ChangeNotice.h"

#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "res/StringId.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace varnex {

ChangeNotice::ChangeNotice(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("changeNotice"));
    setFrameShape(QFrame::StyledPanel);
    // The tooltip colours: a hint that stands out from the panes without alarming.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    text_ = new QLabel(this);
    text_->setTextFormat(Qt::PlainText);
    reload_ = new QPushButton(UiText(kStrReloadChanged), this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(reload_);
    connect(reload_, &QPushButton::clicked, this, &ChangeNotice::ReloadRequested);
    hide();
}

void ChangeNotice::Show(const std::string& path, DiskChange change) {
    const StringId id =
        change == DiskChange::Deleted ? kStrFileDeletedOnDisk : kStrFileChangedOnDisk;
    text_->setText(UiTextWithPath(id, PathDisplayText(path)));
    show();
}

} // namespace varnex
