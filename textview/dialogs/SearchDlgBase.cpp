// What the find and replace dialogs share.
#include "textview/dialogs/SearchDlgBase.h"

#include "textview/dialogs/DialogText.h"
#include "textview/dialogs/PatternMenu.h"
#include "textview/dialogs/SearchFlagBoxes.h"
#include "textview/dialogs/SearchTarget.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/widgets/ClipboardText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

// Wide enough for a search text of ordinary length.
constexpr int kTextBoxMinimumCharacters = 36;

} // namespace

CSearchDlgBase::CSearchDlgBase(SearchTarget& target, DialogSeams seams, PositionedDialog position,
                               const SearchDialogTexts& texts, const QString& initialText,
                               QWidget* parent)
    : QDialog(parent), target_(target), seams_(std::move(seams)), position_(position) {
    setWindowTitle(DialogText(texts.caption));
    searchBox_ = NewHistoryBox();
    if (!initialText.isEmpty()) searchBox_->setEditText(initialText);
    searchBox_->lineEdit()->selectAll();
    auto* label = new QLabel(DialogText(kSearchForLabel));
    label->setBuddy(searchBox_);
    patternButton_ = new QToolButton;
    patternButton_->setText(QStringLiteral("\u00BB"));
    patternButton_->setToolTip(DialogText(kPatternButtonTip));
    patternMenu_ = BuildPatternMenu(this);
    connect(patternButton_, &QToolButton::clicked, this, [this] {
        patternMenu_->popup(patternButton_->mapToGlobal(patternButton_->rect().bottomLeft()));
    });
    connect(patternMenu_, &QMenu::triggered, this,
            [this](QAction* action) { InsertPattern(action->data().toInt()); });
    textRows_ = new QGridLayout;
    textRows_->addWidget(label, 0, 0);
    textRows_->addWidget(searchBox_, 0, 1);
    textRows_->addWidget(patternButton_, 0, 2);
    textRows_->setColumnStretch(1, 1);

    flagBoxes_ = new SearchFlagBoxes(texts.backward, texts.forward);
    const std::uint32_t flags = target_.CurrentSearchFlags();
    flagBoxes_->Load(flags);
    initialHighlight_ = (flags & SearchFlags::kHighlight) != 0;

    auto* fields = new QVBoxLayout;
    fields->addLayout(textRows_);
    fields->addWidget(flagBoxes_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(BuildButtonColumn(texts.extraButton));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    PlaceAtRememberedPosition(*this, position_, parent);
}

QLayout* CSearchDlgBase::BuildButtonColumn(std::string_view extraText) {
    okButton_ = new QPushButton(DialogText(kOkText));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(DialogText(kCancelText));
    extraButton_ = new QPushButton(DialogText(extraText));
    connect(cancelButton_, &QPushButton::clicked, this, &CSearchDlgBase::reject);
    auto* column = new QVBoxLayout;
    column->addWidget(okButton_);
    column->addWidget(cancelButton_);
    column->addWidget(extraButton_);
    column->addStretch();
    return column;
}

QComboBox* CSearchDlgBase::NewHistoryBox() const {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(kTextBoxMinimumCharacters);
    box->lineEdit()->setMaxLength(SearchHistory::kMaxTextLength);
    // Case matters to a search, so completion must not change what was typed.
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    for (const std::string& entry : SearchHistory::Entries())
        box->addItem(BytesToText(entry, target_.Encoding()));
    return box;
}

void CSearchDlgBase::ChainTabOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        setTabOrder(widgets[i - 1], widgets[i]);
}

void CSearchDlgBase::reject() {
    const bool highlight = flagBoxes_->CheckBox(SearchFlags::kHighlight).isChecked();
    if (highlight != initialHighlight_)
        target_.SetSearchFlags(highlight ? SearchFlags::kHighlight : 0, SearchFlags::kHighlight);
    QDialog::reject();
}

void CSearchDlgBase::done(int result) {
    RememberDialogPosition(position_, pos());
    QDialog::done(result);
}

std::string CSearchDlgBase::SearchBytes() const {
    return BytesOf(*searchBox_);
}

std::string CSearchDlgBase::BytesOf(const QComboBox& box) const {
    return TextToBytes(box.currentText(), target_.Encoding());
}

void CSearchDlgBase::SendFlags() {
    const std::uint32_t flags = flagBoxes_->Flags();
    target_.SetSearchFlags(flags, SearchFlags::kDialogMask);
    initialHighlight_ = (flags & SearchFlags::kHighlight) != 0;
}

SearchOutcome CSearchDlgBase::SearchWithWaitCursor(const std::string& text, bool continuing) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SearchOutcome outcome = target_.Search(text, continuing);
    QApplication::restoreOverrideCursor();
    return outcome;
}

void CSearchDlgBase::ShowMessage(QMessageBox::Icon icon, const QString& text) {
    seams_.showMessage(this, icon, windowTitle(), text);
}

void CSearchDlgBase::ShowPatternError(const PatternError& error) {
    QString text = DialogTextWithNumber(kBadPatternText, error.offset);
    if (!error.message.empty()) text += QLatin1Char('\n') + QString::fromStdString(error.message);
    ShowMessage(QMessageBox::Critical, text);
    searchBox_->setFocus();
    searchBox_->lineEdit()->setCursorPosition(error.offset);
}

void CSearchDlgBase::BackToSearchText() {
    searchBox_->setFocus();
    searchBox_->lineEdit()->selectAll();
}

void CSearchDlgBase::MoveOffHit() {
    const QScreen* screen = this->screen();
    const std::optional<int> top = TopClearOfHit(frameGeometry(), target_.HitRowOnScreen(),
                                                 screen ? screen->geometry() : QRect());
    if (top) move(pos().x(), *top);
}

void CSearchDlgBase::InsertPattern(int code) {
    if (!InsertPatternElement(*searchBox_->lineEdit(), code)) return;
    // The elements are regular-expression syntax; as plain text they would find nothing.
    flagBoxes_->CheckBox(SearchFlags::kRegex).setChecked(true);
    searchBox_->setFocus();
}

} // namespace varnex
