// Dialog 188 "Hilfe": the table of command-line options and what each one does.
#include "app/dialogs/HelpDlg.h"

#include "app/ui/UiText.h"
#include "res/StringId.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

// Space between the option column and its meaning.
constexpr int kColumnGap = 24;

QGridLayout* BuildOptionTable() {
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(kColumnGap);
    for (int id = kStrHelpRowFirst; id <= kStrHelpRowLast; ++id) {
        const QString row = UiText(id);
        const int lineBreak = row.indexOf('\n');
        const int line = id - kStrHelpRowFirst;
        table->addWidget(new QLabel(row.left(lineBreak)), line, 0);
        table->addWidget(new QLabel(row.mid(lineBreak + 1)), line, 1);
    }
    return table;
}

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(kStrHelpCaption));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(UiText(kStrOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(UiText(kStrHelpHeading)));
    layout->addLayout(BuildOptionTable());
    layout->addWidget(buttons);
}

} // namespace varnex
