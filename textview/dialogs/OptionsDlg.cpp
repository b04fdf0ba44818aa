// The options dialog "Konfiguration".
#include "textview/dialogs/OptionsDlg.h"

#include "textview/dialogs/DialogText.h"
#include "textview/dialogs/SearchTarget.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/model/settings/TabWidth.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

struct MarkingText {
    WordMarkMode mode;
    std::string_view text;
};

constexpr MarkingText kMarkingTexts[] = {
    {WordMarkMode::None, kNoWordMarkingText},
    {WordMarkMode::WordAtCaret, kCaretWordMarkingText},
    {WordMarkMode::SearchedWordOnly, kSelectedWordMarkingText}};

// Two digits are all a valid width needs; the third lets a wrong one be typed and refused.
constexpr int kTabWidthDigits = 3;

int IdOf(WordMarkMode mode) {
    return static_cast<int>(mode);
}

} // namespace

const COptionsDlg::OptionText COptionsDlg::kMiscOptions[] = {
    {EditOptions::kVirtualDisplay, kVirtualDisplayText},
    {EditOptions::kLineSelection, kLineSelectionText},
    {EditOptions::kInsertBeforeCaret, kInsertBeforeCaretText},
    {EditOptions::kBracketSearch, kBracketSearchText},
    {EditOptions::kMarkToLineEnd, kMarkToLineEndText},
    {EditOptions::kLineNumbers, kLineNumbersText},
    {EditOptions::kBracketRange, kBracketRangeText},
};

const COptionsDlg::OptionText COptionsDlg::kWordJumpOptions[] = {
    {EditOptions::kStopAtOthers, kStopAtOthersText},
    {EditOptions::kStopAtRunStart, kStopAtRunStartText},
    {EditOptions::kStopAtCaseChange, kStopAtCaseChangeText},
    {EditOptions::kUnderscoreSeparates, kUnderscoreSeparatesText},
};

COptionsDlg::COptionsDlg(SearchTarget& target, DialogSeams seams, QWidget* parent)
    : QDialog(parent), target_(target), seams_(std::move(seams)) {
    setWindowTitle(DialogText(kOptionsCaption));
    auto* sideColumn = new QVBoxLayout;
    sideColumn->addWidget(BuildOptionGroup(kWordJumpGroup, kWordJumpOptions));
    sideColumn->addWidget(BuildMarkingGroup());
    sideColumn->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildOptionGroup(kMiscGroup, kMiscOptions));
    groups->addLayout(sideColumn);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(DialogText(kOkText), QDialogButtonBox::AcceptRole);
    buttons->addButton(DialogText(kCancelText), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDlg::reject);

    ShowMarginAsTheHostKeepsIt();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildTabWidthRow());
    layout->addLayout(groups);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A host that keeps its margin shows it whatever the option says: the box shows that, greyed,
// and OK leaves the stored option alone.
void COptionsDlg::ShowMarginAsTheHostKeepsIt() {
    if (target_.MarginFollowsOptions()) return;
    QCheckBox& box = OptionBox(EditOptions::kLineNumbers);
    box.setChecked(true);
    box.setEnabled(false);
}

QLayout* COptionsDlg::BuildTabWidthRow() {
    tabWidth_ = new QLineEdit(QString::number(TabWidth::Get()));
    tabWidth_->setValidator(new QIntValidator(0, 999, tabWidth_));
    tabWidth_->setMaxLength(kTabWidthDigits);
    tabWidth_->setFixedWidth(tabWidth_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                             2 * tabWidth_->fontMetrics().averageCharWidth());
    auto* label = new QLabel(DialogText(kTabWidthLabel));
    label->setBuddy(tabWidth_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(tabWidth_);
    row->addStretch();
    return row;
}

QGroupBox* COptionsDlg::BuildOptionGroup(std::string_view title,
                                         std::span<const OptionText> options) {
    auto* group = new QGroupBox(DialogText(title));
    auto* layout = new QVBoxLayout(group);
    const std::uint32_t current = EditOptions::Get();
    for (const OptionText& option : options) {
        auto* box = new QCheckBox(DialogText(option.text));
        box->setChecked((current & option.option) != 0);
        layout->addWidget(box);
        optionBoxes_.push_back({option.option, box});
    }
    layout->addStretch();
    return group;
}

QGroupBox* COptionsDlg::BuildMarkingGroup() {
    markingGroup_ = new QGroupBox(DialogText(kWordMarkingGroup));
    markingButtons_ = new QButtonGroup(markingGroup_);
    auto* layout = new QVBoxLayout(markingGroup_);
    for (const MarkingText& marking : kMarkingTexts) {
        auto* button = new QRadioButton(DialogText(marking.text));
        markingButtons_->addButton(button, IdOf(marking.mode));
        layout->addWidget(button);
    }
    const std::uint32_t options = EditOptions::Get();
    const int mode = static_cast<int>((options & EditOptions::kWordMarkingMode) >>
                                      EditOptions::kWordMarkingShift);
    if (QAbstractButton* current = markingButtons_->button(mode)) current->setChecked(true);
    markingGroup_->setEnabled((options & EditOptions::kWordMarkingAvailable) != 0);
    return markingGroup_;
}

QCheckBox& COptionsDlg::OptionBox(std::uint32_t option) const {
    for (const OptionCheckBox& entry : optionBoxes_)
        if (entry.option == option) return *entry.box;
    Q_ASSERT_X(false, "COptionsDlg::OptionBox", "no check box for this option");
    return *optionBoxes_.front().box;
}

QRadioButton& COptionsDlg::MarkingButton(WordMarkMode mode) const {
    return *static_cast<QRadioButton*>(markingButtons_->button(IdOf(mode)));
}

std::uint32_t COptionsDlg::ChosenOptions() const {
    std::uint32_t options = 0;
    for (const OptionCheckBox& entry : optionBoxes_)
        if (entry.box->isChecked()) options |= entry.option;
    if (const std::optional<WordMarkMode> marking = ChosenMarking())
        options |= static_cast<std::uint32_t>(*marking) << EditOptions::kWordMarkingShift;
    return options;
}

std::optional<WordMarkMode> COptionsDlg::ChosenMarking() const {
    const int id = markingButtons_->checkedId();
    if (id < 0) return std::nullopt;
    return static_cast<WordMarkMode>(id);
}

std::optional<int> COptionsDlg::ChosenTabWidth() const {
    bool isNumber = false;
    const int width = tabWidth_->text().toInt(&isNumber);
    if (!isNumber || width < TabWidth::kMin || width > TabWidth::kMax) return std::nullopt;
    return width;
}

void COptionsDlg::accept() {
    const std::optional<int> width = ChosenTabWidth();
    if (!width) {
        seams_.showMessage(this, QMessageBox::Critical, windowTitle(),
                           DialogText(kTabWidthRangeText));
        tabWidth_->setFocus();
        tabWidth_->selectAll();
        return;
    }
    std::uint32_t mask = 0;
    for (const OptionCheckBox& entry : optionBoxes_) {
        if (entry.box->isEnabled()) mask |= entry.option;
    }
    // A mode stored as 3 has no button; it stays as it is unless one is chosen.
    if ((EditOptions::Get() & EditOptions::kWordMarkingAvailable) && ChosenMarking())
        mask |= EditOptions::kWordMarkingMode;
    target_.SetEditOptions(ChosenOptions(), mask);
    target_.SetTabWidth(*width);
    target_.SaveOptions();
    QDialog::accept();
}

int RunOptionsDialog(SearchTarget& target, const DialogSeams& seams, QWidget* parent) {
    COptionsDlg dialog(target, seams, parent);
    return seams.run(dialog);
}

} // namespace varnex
