// The colours dialog "Farben einstellen": background colour, text colour and bold, italic and
// underline of each style of a pane group.
//
// Open it with RunColoursDialog. The dialog edits the group's StyleTable directly and calls
// `changed` after every change, so the panes can show it at once. OK keeps the changes (the
// opener saves and repaints); Abbrechen, Esc and closing put back every style as it was when the
// dialog opened, call `changed` once more when anything was put back, and reject.
#pragma once

#include "textview/dialogs/DialogRunner.h"
#include "textview/model/settings/StyleTable.h"

#include <QColor>
#include <QDialog>
#include <QFont>

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace varnex {

class ColourGrid;
class StylePreview;

// Asks for a colour starting from `initial`; nothing when the user cancels.
using ColourChooser = std::function<std::optional<QColor>(QColor initial, QWidget* parent)>;

// QColorDialog starting from `initial`, with every custom colour set to it.
std::optional<QColor> ChooseColourWithDialog(QColor initial, QWidget* parent);

struct ColoursDialogSeams {
    DialogRunner run = RunModalDialog;
    ColourChooser chooseColour = ChooseColourWithDialog;
    // The group's font in the variant for these font flags, for the preview; when empty the
    // preview uses the dialog's own font.
    std::function<QFont(std::uint32_t fontFlags)> fontFor;
    // Called after each change of a style while the dialog is open; may be empty.
    std::function<void()> changed;
};

// The style (an index into the table) the dialog showed last; it is selected again on the next
// opening while the program runs.
int RememberedColoursStyle();
void RememberColoursStyle(int styleIndex);

class CColoursDlg : public QDialog {
    Q_OBJECT

public:
    CColoursDlg(StyleTable& styles, const std::optional<std::bitset<256>>& usedStyles,
                ColoursDialogSeams seams, QWidget* parent = nullptr);

    QListWidget& StyleList() const { return *styleList_; }
    QCheckBox& BoldBox() const { return *bold_; }
    QCheckBox& ItalicBox() const { return *italic_; }
    QCheckBox& UnderlineBox() const { return *underline_; }
    QCheckBox& UsedOnlyBox() const { return *usedOnly_; }
    ColourGrid& BackgroundGrid() const { return *backgroundGrid_; }
    ColourGrid& TextGrid() const { return *textGrid_; }
    QPushButton& DefineBackgroundButton() const { return *defineBackground_; }
    QPushButton& DefineTextButton() const { return *defineText_; }
    QWidget& Preview() const;
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }
    // The table index of the style the list shows selected; nothing when the list is empty.
    std::optional<int> SelectedStyle() const;

public slots:
    // Puts back what the dialog changed, then rejects.
    void reject() override;

private:
    // What the dialog may change in one style.
    struct StyleLook {
        std::uint32_t background;
        std::uint32_t textColour;
        std::uint32_t fontFlags;
        bool operator==(const StyleLook&) const = default;
    };
    enum class ColourSlot { Background, Text };

    QLayout* BuildStyleRow();
    QLayout* BuildColourRow();
    QWidget* BuildColourGroup(ColourSlot slot);
    void ChainTabOrder();
    void FillStyleList(int preferredStyle);
    void ShowSelectedStyle();
    void ApplyFontBoxes();
    void SetColour(ColourSlot slot, std::uint32_t colour);
    void DefineColour(ColourSlot slot);
    TextStyle* Selected() const;
    void NotifyChanged() const;

    StyleTable& styles_;
    std::optional<std::bitset<256>> usedStyles_;
    ColoursDialogSeams seams_;
    std::vector<StyleLook> atOpening_;
    QListWidget* styleList_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* usedOnly_ = nullptr;
    StylePreview* preview_ = nullptr;
    ColourGrid* backgroundGrid_ = nullptr;
    ColourGrid* textGrid_ = nullptr;
    QPushButton* defineBackground_ = nullptr;
    QPushButton* defineText_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Shows the dialog through seams.run over `styles`. `usedStyles` holds the style indices the
// pane's text uses; with it "Nur für aktelles Format" starts checked and lists only those (all
// styles when it names none or only style 0), without it the box is disabled. Returns
// QDialog::Accepted when OK closed the dialog.
int RunColoursDialog(StyleTable& styles, const std::optional<std::bitset<256>>& usedStyles,
                     const ColoursDialogSeams& seams, QWidget* parent);

} // namespace varnex
