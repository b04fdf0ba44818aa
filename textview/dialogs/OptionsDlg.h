// The options dialog "Konfiguration": the tab width and the editor options every pane shares.
//
// Open it with RunOptionsDialog. OK refuses a tab width outside 1..32 and otherwise hands the
// options and the width to the target.
#pragma once

#include "textview/dialogs/DialogSeams.h"
#include "textview/model/search/WordMarks.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace varnex {

class SearchTarget;

class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    COptionsDlg(SearchTarget& target, DialogSeams seams, QWidget* parent = nullptr);

    QLineEdit& TabWidthEdit() const { return *tabWidth_; }
    // The check box of one EditOptions bit.
    QCheckBox& OptionBox(std::uint32_t option) const;
    QRadioButton& MarkingButton(WordMarkMode mode) const;
    QGroupBox& MarkingGroup() const { return *markingGroup_; }

public slots:
    // OK: checks the tab width, then sends the options and the width.
    void accept() override;

private:
    struct OptionText {
        std::uint32_t option;
        std::string_view text;
    };
    struct OptionCheckBox {
        std::uint32_t option;
        QCheckBox* box;
    };
    static const OptionText kMiscOptions[];
    static const OptionText kWordJumpOptions[];

    QLayout* BuildTabWidthRow();
    void ShowMarginAsTheHostKeepsIt();
    QGroupBox* BuildOptionGroup(std::string_view title, std::span<const OptionText> options);
    QGroupBox* BuildMarkingGroup();
    std::uint32_t ChosenOptions() const;
    std::optional<WordMarkMode> ChosenMarking() const;
    std::optional<int> ChosenTabWidth() const;

    SearchTarget& target_;
    DialogSeams seams_;
    QLineEdit* tabWidth_ = nullptr;
    std::vector<OptionCheckBox> optionBoxes_;
    QGroupBox* markingGroup_ = nullptr;
    QButtonGroup* markingButtons_ = nullptr;
};

// Shows the dialog through seams.run; returns QDialog::Accepted when the options were sent.
int RunOptionsDialog(SearchTarget& target, const DialogSeams& seams, QWidget* parent);

} // namespace varnex
