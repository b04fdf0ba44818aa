// The font chooser "Schrift einstellen".
#include "textview/dialogs/FontDlg.h"

#include "textview/dialogs/DialogText.h"
#include "textview/model/settings/PaneTexts.h"

#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace varnex {

namespace {

// The sample is drawn as large as the chosen size, but never so large that the dialog outgrows
// a small screen.
constexpr int kSampleMinHeightLines = 2;

int PointsOf(const QFont& font) {
    return std::clamp(QFontInfo(font).pointSize(), CFontDlg::kMinPoints, CFontDlg::kMaxPoints);
}

} // namespace

CFontDlg::CFontDlg(const QFont& current, QWidget* parent) : QDialog(parent) {
    setWindowTitle(DialogText(kFontDialogCaption));
    face_ = new QFontComboBox;
    face_->setFontFilters(QFontComboBox::MonospacedFonts);
    face_->setCurrentFont(current);
    face_->setEditable(false);
    size_ = new QSpinBox;
    size_->setRange(kMinPoints, kMaxPoints);
    size_->setValue(PointsOf(current));

    auto* fields = new QFormLayout;
    fields->addRow(DialogText(kFontFaceLabel), face_);
    fields->addRow(DialogText(kFontSizeLabel), size_);

    auto* sampleGroup = new QGroupBox(DialogText(kFontSampleGroup));
    sample_ = new QLabel(DialogText(kFontSampleText));
    sample_->setAlignment(Qt::AlignCenter);
    auto* sampleLayout = new QVBoxLayout(sampleGroup);
    sampleLayout->addWidget(sample_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(DialogText(kOkText), QDialogButtonBox::AcceptRole);
    buttons->addButton(DialogText(kCancelText), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(sampleGroup, 1);
    layout->addWidget(buttons);

    connect(face_, &QFontComboBox::currentFontChanged, this, &CFontDlg::ShowSample);
    connect(size_, &QSpinBox::valueChanged, this, &CFontDlg::ShowSample);
    ShowSample();
}

// The list's own entry names the face: the font it was started from may carry an alias.
QFont CFontDlg::ChosenFont() const {
    QFont chosen(face_->currentText());
    chosen.setPointSize(size_->value());
    chosen.setStyleHint(QFont::TypeWriter);
    return chosen;
}

void CFontDlg::ShowSample() {
    const QFont font = ChosenFont();
    sample_->setFont(font);
    sample_->setMinimumHeight(QFontMetrics(font).height() * kSampleMinHeightLines);
}

} // namespace varnex
