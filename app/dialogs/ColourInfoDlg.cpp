// Dialog 190 "Information": what each difference colour of the panes stands for.
#include "app/dialogs/ColourInfoDlg.h"

#include "app/ui/UiText.h"
#include "engine/fill/DifferenceStyles.h"
#include "res/StringId.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

struct ColourRow {
    std::uint32_t colour;
    int textId;
};

constexpr ColourRow kRows[] = {
    {kInsertedBackground, kStrColourInserted},
    {kRemovedBackground, kStrColourRemoved},
    {kChangedBackground, kStrColourChanged},
    {kPlaceholderBackground, kStrColourPlaceholder},
};

constexpr QSize kSampleSize(32, 16);

QColor FromColourRef(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QGroupBox* BuildColourGroup() {
    auto* group = new QGroupBox(UiText(kStrColourGroup));
    auto* grid = new QGridLayout(group);
    int line = 0;
    for (const ColourRow& row : kRows) {
        auto* sample = new QLabel;
        sample->setPixmap(CColourInfoDlg::ColourSample(row.colour));
        grid->addWidget(sample, line, 0);
        grid->addWidget(new QLabel(UiText(row.textId)), line, 1);
        ++line;
    }
    return group;
}

} // namespace

CColourInfoDlg::CColourInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(kStrColourInfoCaption));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(UiText(kStrOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildColourGroup());
    layout->addWidget(buttons);
}

// Two grey strokes stand for text, so that the sample reads as a coloured pane line.
QPixmap CColourInfoDlg::ColourSample(std::uint32_t colour) {
    QPixmap sample(kSampleSize);
    sample.fill(FromColourRef(colour));
    QPainter painter(&sample);
    painter.setPen(QColor(96, 96, 96));
    painter.drawLine(5, 6, 18, 6);
    painter.drawLine(5, 10, 25, 10);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(sample.rect().adjusted(0, 0, -1, -1));
    return sample;
}

} // namespace varnex
