// The replace dialog "Ändern".
//
// Open it with RunReplaceDialog. OK goes from hit to hit, asking "Text ändern ?" at each, and
// closes; "&Alles ändern" replaces every match in the file or the selection at once, reports
// the count and stays open.
#pragma once

#include "textview/dialogs/SearchDlgBase.h"

#include <optional>
#include <string>

class QRadioButton;

namespace varnex {

class CReplaceDlg : public CSearchDlgBase {
    Q_OBJECT

public:
    CReplaceDlg(SearchTarget& target, DialogSeams seams, const QString& initialText,
                QWidget* parent = nullptr);

    QComboBox& ReplacementBox() const { return *replacementBox_; }
    QRadioButton& WholeFileButton() const { return *wholeFile_; }
    QRadioButton& SelectionButton() const { return *selection_; }
    QPushButton& ReplaceAllButton() const { return ExtraButton(); }

private:
    void AddReplacementRow();
    void AddScopeGroup();
    struct ReplaceTexts {
        std::string search;
        std::string replacement;
    };
    // The texts as bytes with the flags sent; nothing, after a beep, without a search text.
    std::optional<ReplaceTexts> BeginReplace();
    void ReplaceOneByOne();
    // Asks at each hit from the first on; false when the pattern does not compile.
    bool ConfirmEachHit(const std::string& text, const std::string& replacement);
    void ReplaceAll();

    QComboBox* replacementBox_ = nullptr;
    QRadioButton* wholeFile_ = nullptr;
    QRadioButton* selection_ = nullptr;
};

// Shows the dialog through seams.run with `initialText` (or else the latest search) in the
// search box; returns QDialog::Accepted when OK ran.
int RunReplaceDialog(SearchTarget& target, const DialogSeams& seams, QWidget* parent,
                     const QString& initialText);

} // namespace varnex
