// What the find and replace dialogs share: the search text with its history and pattern menu,
// the flag boxes, the button column, the messages and the remembered position.
#pragma once

#include "textview/dialogs/DialogPositions.h"
#include "textview/dialogs/DialogSeams.h"
#include "textview/model/search/Search.h"

#include <QDialog>
#include <QMessageBox>

#include <cstdint>
#include <string>
#include <string_view>

class QComboBox;
class QGridLayout;
class QMenu;
class QPushButton;
class QToolButton;

namespace varnex {

class SearchFlagBoxes;
class SearchTarget;

struct SearchDialogTexts {
    std::string_view caption;
    std::string_view backward;
    std::string_view forward;
    std::string_view extraButton; // the third button under OK and Abbrechen
};

class CSearchDlgBase : public QDialog {
    Q_OBJECT

public:
    QComboBox& SearchBox() const { return *searchBox_; }
    SearchFlagBoxes& FlagBoxes() const { return *flagBoxes_; }
    QToolButton& PatternButton() const { return *patternButton_; }
    QMenu& PatternMenu() const { return *patternMenu_; }
    QPushButton& OkButton() const { return *okButton_; }
    QPushButton& CancelButton() const { return *cancelButton_; }
    QPushButton& ExtraButton() const { return *extraButton_; }

public slots:
    // Abbrechen: a changed "Wort hervorheben" still counts; the other flags are dropped.
    void reject() override;
    // Every way out remembers where the dialog stood.
    void done(int result) override;

protected:
    CSearchDlgBase(SearchTarget& target, DialogSeams seams, PositionedDialog position,
                   const SearchDialogTexts& texts, const QString& initialText, QWidget* parent);

    // The grid of text rows: label, combo box, pattern button in columns 0..2.
    QGridLayout& TextRows() const { return *textRows_; }
    // An editable combo box listing the search history, for a row of TextRows().
    QComboBox* NewHistoryBox() const;

    // Tab visits `widgets` in this order.
    void ChainTabOrder(const QList<QWidget*>& widgets);

    SearchTarget& Target() const { return target_; }
    const DialogSeams& Seams() const { return seams_; }
    // The search text as the pane's bytes.
    std::string SearchBytes() const;
    std::string BytesOf(const QComboBox& box) const;
    // Sends the flags the boxes show.
    void SendFlags();
    SearchOutcome SearchWithWaitCursor(const std::string& text, bool continuing);
    void ShowMessage(QMessageBox::Icon icon, const QString& text);
    // The regular expression does not compile: says where, and puts the cursor there.
    void ShowPatternError(const PatternError& error);
    // Focus to the search text, all of it selected for the next try.
    void BackToSearchText();
    // Moves the dialog vertically off the hit the pane now shows, when it covers it.
    void MoveOffHit();

private:
    QLayout* BuildButtonColumn(std::string_view extraText);
    void InsertPattern(int code);

    SearchTarget& target_;
    DialogSeams seams_;
    PositionedDialog position_;
    bool initialHighlight_ = false;
    QGridLayout* textRows_ = nullptr;
    QComboBox* searchBox_ = nullptr;
    SearchFlagBoxes* flagBoxes_ = nullptr;
    QToolButton* patternButton_ = nullptr;
    QMenu* patternMenu_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* extraButton_ = nullptr;
};

} // namespace varnex
