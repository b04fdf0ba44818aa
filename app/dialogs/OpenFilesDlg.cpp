// The modal dialog "Dateien öffenen": two files with their history lists and the compare mode.
#include "app/dialogs/OpenFilesDlg.h"

#include "app/dialogs/FileHistory.h"
#include "app/dialogs/OpenDialogPosition.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "res/StringId.h"

#include <QButtonGroup>
#include <QComboBox>
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

constexpr const char* kHistoryNames[2] = {"File1", "File2"};
constexpr int kModeTextIds[3] = {kStrLineWiseMode, kStrCharWiseMode, kStrNoBlanksMode};
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
    AddFileRow(*grid, 0, kStrFirstFile);
    AddFileRow(*grid, 1, kStrSecondFile);
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

void COpenFilesDlg::AddFileRow(QGridLayout& grid, int side, int labelId) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(kFileBoxMinimumWidth);
    auto* browse = new QToolButton;
    browse->setIcon(QIcon(QStringLiteral(":/icons/browse.svg")));
    connect(browse, &QToolButton::clicked, this, [this, side] { Browse(side); });
    auto* label = new QLabel(UiText(labelId));
    label->setBuddy(box);
    grid.addWidget(label, 2 * side, 0, 1, 2);
    grid.addWidget(box, 2 * side + 1, 0);
    grid.addWidget(browse, 2 * side + 1, 1);
    fileBoxes_[side] = box;
    browseButtons_[side] = browse;
}

QGroupBox* COpenFilesDlg::BuildModeGroup() {
    auto* group = new QGroupBox(UiText(kStrCompareModeGroup));
    auto* column = new QVBoxLayout(group);
    modeButtons_ = new QButtonGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        auto* button = new QRadioButton(UiText(kModeTextIds[mode]));
        modeButtons_->addButton(button, mode);
        column->addWidget(button);
    }
    return group;
}

QAbstractButton& COpenFilesDlg::ModeButton(int mode) {
    return *modeButtons_->button(mode);
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
    for (int side = 0; side < 2; ++side) {
        for (const std::string& entry : FileHistory(kHistoryNames[side]).Entries())
            fileBoxes_[side]->addItem(PathText(entry));
    }
}

void COpenFilesDlg::TransferToControls() {
    for (int side = 0; side < 2; ++side)
        fileBoxes_[side]->setEditText(files_[side]);
    if (QAbstractButton* button = modeButtons_->button(mode_)) button->setChecked(true);
}

void COpenFilesDlg::TakeFromControls() {
    for (int side = 0; side < 2; ++side)
        files_[side] = fileBoxes_[side]->currentText();
    if (modeButtons_->checkedId() >= 0) mode_ = modeButtons_->checkedId();
}

void COpenFilesDlg::Browse(int side) {
    TakeFromControls();
    const QString chosen = chooseFile_(this, BrowseStart(side));
    if (chosen.isEmpty()) return;
    files_[side] = chosen;
    TransferToControls();
}

// The side's own file when it has one, else the first file's folder, where the second file
// is most often found.
QString COpenFilesDlg::BrowseStart(int side) const {
    if (!files_[side].isEmpty()) return files_[side];
    if (files_[0].isEmpty()) return QString();
    return QFileInfo(files_[0]).absolutePath();
}

void COpenFilesDlg::accept() {
    TakeFromControls();
    for (int side = 0; side < 2; ++side)
        FileHistory(kHistoryNames[side]).Add(PathBytes(fileBoxes_[side]->currentText()));
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
