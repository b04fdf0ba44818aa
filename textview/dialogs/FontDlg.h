// The font chooser "Schrift einstellen": a fixed-pitch face and a size in points, nothing the
// panes would not apply.
#pragma once

#include <QDialog>
#include <QFont>

class QFontComboBox;
class QLabel;
class QSpinBox;

namespace varnex {

class CFontDlg : public QDialog {
    Q_OBJECT

public:
    // Sizes the panes can be given, in points.
    static constexpr int kMinPoints = 6;
    static constexpr int kMaxPoints = 48;

    // Starts from `current`, the font the panes show now.
    explicit CFontDlg(const QFont& current, QWidget* parent = nullptr);

    // The chosen face at the chosen size, upright and plain.
    QFont ChosenFont() const;

    QFontComboBox& FaceBox() const { return *face_; }
    QSpinBox& SizeBox() const { return *size_; }
    QLabel& Sample() const { return *sample_; }

private:
    void ShowSample();

    QFontComboBox* face_ = nullptr;
    QSpinBox* size_ = nullptr;
    QLabel* sample_ = nullptr;
};

} // namespace varnex
