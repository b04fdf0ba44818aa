// The find dialog "Text suchen".
//
// Open it with RunFindDialog. OK searches once and closes on a hit; "Weiter&suchen" searches and
// stays open, each further click going on from the last hit as long as text and flags stay the
// same. Without a hit the dialog says so and stays open.
#pragma once

#include "textview/dialogs/SearchDlgBase.h"

#include <optional>

namespace varnex {

class CFindDlg : public CSearchDlgBase {
    Q_OBJECT

public:
    CFindDlg(SearchTarget& target, DialogSeams seams, const QString& initialText,
             QWidget* parent = nullptr);

    QPushButton& FindNextButton() const { return ExtraButton(); }

private:
    struct SearchKey {
        std::string text;
        std::uint32_t flags = 0;
        bool operator==(const SearchKey&) const = default;
    };

    void FindAndClose();
    void FindNext();
    // Sends the flags and the word highlight, searches and answers the outcome; true on a hit.
    bool Find(const std::string& text, bool continuing);
    void RequestWordHighlight(const std::string& text, std::uint32_t flags);

    std::optional<SearchKey> lastHit_;
};

// Shows the dialog through seams.run with `initialText` (or else the latest search) in the
// search box; returns QDialog::Accepted when OK found something.
int RunFindDialog(SearchTarget& target, const DialogSeams& seams, QWidget* parent,
                  const QString& initialText);

} // namespace varnex
