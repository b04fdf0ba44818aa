// The search flags as the find and replace dialogs show them: a column of check boxes beside
// the "Richtung" group.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string_view>

class QCheckBox;
class QRadioButton;
class QVBoxLayout;

namespace varnex {

class SearchFlagBoxes : public QWidget {
    Q_OBJECT

public:
    // The two dialogs name the directions differently.
    SearchFlagBoxes(std::string_view backwardText, std::string_view forwardText,
                    QWidget* parent = nullptr);

    // The SearchFlags bits of SearchFlags::kDialogMask.
    void Load(std::uint32_t flags);
    std::uint32_t Flags() const;

    // The check box of kIgnoreCase, kWholeText, kWholeWords, kRegex or kHighlight.
    QCheckBox& CheckBox(std::uint32_t flag) const;
    QRadioButton& BackwardButton() const { return *backward_; }
    QRadioButton& ForwardButton() const { return *forward_; }
    // The column under the direction group, for a dialog's further groups.
    QVBoxLayout& SideColumn() const { return *sideColumn_; }
    // Check boxes, then direction buttons, as the tab key visits them.
    QList<QWidget*> TabOrder() const;

private:
    QCheckBox* boxes_[5] = {};
    QRadioButton* backward_ = nullptr;
    QRadioButton* forward_ = nullptr;
    QVBoxLayout* sideColumn_ = nullptr;
};

} // namespace varnex
