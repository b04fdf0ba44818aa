// The modal dialog "Dateien öffenen": two files with their history lists and the compare mode.
#pragma once

#include "engine/CompareMode.h"
#include "engine/Side.h"
#include "res/StringId.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QToolButton;

namespace varnex {

class COpenFilesDlg : public QDialog {
    Q_OBJECT

public:
    // Asks the user for an existing file, starting at `start`; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& start)>;

    explicit COpenFilesDlg(QWidget* parent = nullptr);

    const QString& File(Side side) const { return files_[IndexOf(side)]; }
    void SetFile(Side side, const QString& path) { files_[IndexOf(side)] = path; }
    CompareMode Mode() const { return mode_; }
    void SetMode(CompareMode mode) { mode_ = mode; }
    bool HandoverMode() const { return handoverMode_; }
    // Set before the dialog is shown: the dialog then comes up where it was last closed.
    void SetHandoverMode(bool on) { handoverMode_ = on; }

    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    QComboBox& FileBox(Side side) { return *fileBoxes_[IndexOf(side)]; }
    QToolButton& BrowseButton(Side side) { return *browseButtons_[IndexOf(side)]; }
    QAbstractButton& ModeButton(CompareMode mode);
    QPushButton& OkButton() { return *okButton_; }
    QPushButton& CancelButton() { return *cancelButton_; }

public slots:
    // OK: takes the fields, records them in the histories and closes with Accepted.
    void accept() override;
    // Another instance takes over this dialog's file: the fields are taken and the position
    // kept as on OK, but the dialog closes as cancelled and the histories stay as they were.
    void Handover();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* BuildModeGroup();
    void AddFileRow(QGridLayout& grid, Side side, StringId labelId);
    void Initialise();
    void FillHistories();
    void TransferToControls();
    void TakeFromControls();
    void Browse(Side side);
    QString BrowseStart(Side side) const;
    void StorePosition() const;
    void RestorePosition();

    std::array<QString, 2> files_;
    CompareMode mode_ = CompareMode::CharWise;
    bool handoverMode_ = false;
    bool initialised_ = false;
    FileChooser chooseFile_;
    std::array<QComboBox*, 2> fileBoxes_{};
    std::array<QToolButton*, 2> browseButtons_{};
    QButtonGroup* modeButtons_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace varnex
