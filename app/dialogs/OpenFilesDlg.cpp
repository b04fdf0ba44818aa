// The modal dialog "Dateien öffenen": two files with their history lists and the compare mode.
#include "app/dialogs/OpenFilesDlg.h"

#include "app/dialogs/FileHistory.h"
#include "app/dialogs/OpenDialogPosition.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "res/StringId.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

struct ModeButtonText {
    CompareMode mode;
    StringId text;
};
constexpr ModeButtonText kModeButtons[] = {{CompareMode::LineWise, kStrLineWiseMode},
                                           {CompareMode::CharWise, kStrCharWiseMode},
                                           {CompareMode::CharWiseNoBlanks, kStrNoBlanksMode}};
// Room for a path of ordinary length in the fields.
constexpr int kFileBoxMinimumWidth = 420;

QString ChooseExistingFile(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileName(parent, QString(), start, UiText(kStrAllFilesFilter));
}

} // namespace

COpenFilesDlg::COpenFilesDlg(QWidget* parent) : QDialog(parent), chooseFile_(ChooseExistingFile) {
    setWindowTitle(UiText(kStrOpenFilesCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnex.svg")));
    auto* grid = new QGridLayout;
    AddFileRow(*grid, Side::Left, kStrFirstFile);
    AddFileRow(*grid, Side::Right, kStrSecondFile);
    auto* buttons = new QDialogButtonBox;
    okButton_ = buttons->addButton(UiText(kStrOk), QDialogButtonBox::AcceptRole);
    cancelButton_ = buttons->addButton(UiText(kStrCancel), QDialogButtonBox::RejectRole);
    okButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &COpenFilesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COpenFilesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(BuildModeGroup());
    layout->addWidget(buttons);
}

void COpenFilesDlg::AddFileRow(QGridLayout& grid, Side side, StringId labelId) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The history is offered in a list below the field, never written into it: what the user
    // typed is what is opened. File names differ by case here.
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    box->setMinimumWidth(kFileBoxMinimumWidth);
    auto* browse = new QToolButton;
    browse->setIcon(QIcon(QStringLiteral(":/icons/browse.svg")));
    connect(browse, &QToolButton::clicked, this, [this, side] { Browse(side); });
    auto* label = new QLabel(UiText(labelId));
    label->setBuddy(box);
    const int labelRow = 2 * static_cast<int>(IndexOf(side));
    grid.addWidget(label, labelRow, 0, 1, 2);
    grid.addWidget(box, labelRow + 1, 0);
    grid.addWidget(browse, labelRow + 1, 1);
    fileBoxes_[IndexOf(side)] = box;
    browseButtons_[IndexOf(side)] = browse;
}

QGroupBox* COpenFilesDlg::BuildModeGroup() {
    auto* group = new QGroupBox(UiText(kStrCompareModeGroup));
    auto* column = new QVBoxLayout(group);
    modeButtons_ = new QButtonGroup(this);
    for (const ModeButtonText& mode : kModeButtons) {
        auto* button = new QRadioButton(UiText(mode.text));
        modeButtons_->addButton(button, NumberOf(mode.mode));
        column->addWidget(button);
    }
    return group;
}

QAbstractButton& COpenFilesDlg::ModeButton(CompareMode mode) {
    return *modeButtons_->button(NumberOf(mode));
}

// Runs when the dialog first shows, after the caller has set the fields.
void COpenFilesDlg::showEvent(QShowEvent* event) {
    if (!initialised_) Initialise();
    QDialog::showEvent(event);
}

void COpenFilesDlg::Initialise() {
    initialised_ = true;
    FillHistories();
    TransferToControls();
    if (handoverMode_) {
        RestorePosition();
        raise();
        activateWindow();
    }
}

// Only the drop-down lists: the edit texts are the fields' own.
void COpenFilesDlg::FillHistories() {
    for (const Side side : kBothSides) {
        for (const std::string& entry : FileHistory::OfSide(side).Entries())
            FileBox(side).addItem(PathText(entry));
    }
}

void COpenFilesDlg::TransferToControls() {
    for (const Side side : kBothSides)
        FileBox(side).setEditText(File(side));
    ModeButton(mode_).setChecked(true);
}

void COpenFilesDlg::TakeFromControls() {
    for (const Side side : kBothSides)
        SetFile(side, FileBox(side).currentText());
    if (const auto checked = CompareModeFromNumber(modeButtons_->checkedId())) mode_ = *checked;
}

void COpenFilesDlg::Browse(Side side) {
    TakeFromControls();
    const QString chosen = chooseFile_(this, BrowseStart(side));
    if (chosen.isEmpty()) return;
    SetFile(side, chosen);
    TransferToControls();
}

// The side's own file when it has one, else the first file's folder, where the second file
// is most often found.
QString COpenFilesDlg::BrowseStart(Side side) const {
    if (!File(side).isEmpty()) return File(side);
    if (File(Side::Left).isEmpty()) return QString();
    return QFileInfo(File(Side::Left)).absolutePath();
}

void COpenFilesDlg::accept() {
    TakeFromControls();
    for (const Side side : kBothSides)
        FileHistory::OfSide(side).Add(PathBytes(FileBox(side).currentText()));
    if (handoverMode_) StorePosition();
    QDialog::accept();
}

void COpenFilesDlg::Handover() {
    if (!handoverMode_) return;
    TakeFromControls();
    StorePosition();
    QDialog::reject();
}

void COpenFilesDlg::StorePosition() const {
    WriteOpenDialogPosition(pos());
}

void COpenFilesDlg::RestorePosition() {
    const QPoint stored = ReadOpenDialogPosition(pos());
    const QScreen* shown = screen();
    if (shown && OpenDialogPositionFits(stored, shown->geometry().size())) move(stored);
}

} // namespace varnex
