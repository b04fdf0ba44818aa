// The search flags as the find and replace dialogs show them.
#include "textview/dialogs/SearchFlagBoxes.h"

#include "textview/dialogs/DialogText.h"
#include "textview/model/search/Search.h"
#include "textview/model/settings/PaneTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

namespace varnex {

namespace {

struct FlagBox {
    std::uint32_t flag;
    std::string_view text;
};

constexpr FlagBox kFlagBoxes[] = {
    {SearchFlags::kIgnoreCase, kIgnoreCaseText}, {SearchFlags::kWholeText, kWholeTextText},
    {SearchFlags::kWholeWords, kWholeWordsText}, {SearchFlags::kRegex, kRegexText},
    {SearchFlags::kHighlight, kHighlightText},
};

} // namespace

SearchFlagBoxes::SearchFlagBoxes(std::string_view backwardText, std::string_view forwardText,
                                 QWidget* parent)
    : QWidget(parent) {
    auto* checks = new QVBoxLayout;
    for (std::size_t i = 0; i < std::size(kFlagBoxes); ++i) {
        boxes_[i] = new QCheckBox(DialogText(kFlagBoxes[i].text));
        checks->addWidget(boxes_[i]);
    }
    checks->addStretch();

    auto* direction = new QGroupBox(DialogText(kDirectionGroup));
    backward_ = new QRadioButton(DialogText(backwardText));
    forward_ = new QRadioButton(DialogText(forwardText));
    auto* directionLayout = new QVBoxLayout(direction);
    directionLayout->addWidget(backward_);
    directionLayout->addWidget(forward_);
    sideColumn_ = new QVBoxLayout;
    sideColumn_->addWidget(direction);
    sideColumn_->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(checks, 1);
    layout->addLayout(sideColumn_);
}

void SearchFlagBoxes::Load(std::uint32_t flags) {
    for (std::size_t i = 0; i < std::size(kFlagBoxes); ++i)
        boxes_[i]->setChecked((flags & kFlagBoxes[i].flag) != 0);
    const bool backwards = (flags & SearchFlags::kBackwards) != 0;
    backward_->setChecked(backwards);
    forward_->setChecked(!backwards);
}

std::uint32_t SearchFlagBoxes::Flags() const {
    std::uint32_t flags = backward_->isChecked() ? SearchFlags::kBackwards : 0;
    for (std::size_t i = 0; i < std::size(kFlagBoxes); ++i)
        if (boxes_[i]->isChecked()) flags |= kFlagBoxes[i].flag;
    return flags;
}

QCheckBox& SearchFlagBoxes::CheckBox(std::uint32_t flag) const {
    std::size_t i = 0;
    while (i + 1 < std::size(kFlagBoxes) && kFlagBoxes[i].flag != flag)
        ++i;
    Q_ASSERT_X(kFlagBoxes[i].flag == flag, "SearchFlagBoxes::CheckBox", "no box for this flag");
    return *boxes_[i];
}

QList<QWidget*> SearchFlagBoxes::TabOrder() const {
    QList<QWidget*> order(std::begin(boxes_), std::end(boxes_));
    order << backward_ << forward_;
    return order;
}

} // namespace varnex
