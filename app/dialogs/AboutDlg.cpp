// The About dialog "Info über Varnex": program name, version and what the program does.
#include "app/dialogs/AboutDlg.h"

#include "app/ui/UiText.h"
#include "res/StringId.h"
#include "res/Version.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace varnex {

namespace {

constexpr int kIconSize = 48;
constexpr int kIconGap = 16;
constexpr double kNameScale = 1.5;

QLabel* ProgramName() {
    auto* name = new QLabel(UiText(kStrAppTitle));
    QFont font = name->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * kNameScale);
    name->setFont(font);
    return name;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(kStrAboutCaption));
    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/varnex.svg")).pixmap(kIconSize, kIconSize));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(UiText(kStrOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(kIconGap);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(ProgramName(), 0, 1);
    grid->addWidget(new QLabel(UiText(kStrAboutVersion).replace("%s", ProgramVersion())), 1, 1);
    grid->addWidget(new QLabel(UiText(kStrAboutDescription)), 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
}

} // namespace varnex
