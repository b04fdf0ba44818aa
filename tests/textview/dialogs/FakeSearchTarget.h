// A search target that records what the dialogs send and answers from scripted outcomes, and a
// fixture that drives a dialog through its seams and records messages and questions.
#pragma once

#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/dialogs/DialogSeams.h"
#include "textview/dialogs/SearchTarget.h"
#include "textview/model/search/SearchHistory.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace varnex::test {

class FakeSearchTarget : public SearchTarget {
public:
    struct FlagsCall {
        std::uint32_t flags;
        std::uint32_t mask;
        bool operator==(const FlagsCall&) const = default;
    };
    struct SearchCall {
        std::string text;
        bool continuing;
        bool underWaitCursor;
        bool operator==(const SearchCall&) const = default;
    };
    struct ReplaceAllCall {
        std::string text;
        std::string replacement;
        bool inSelection;
        bool operator==(const ReplaceAllCall&) const = default;
    };
    struct HighlightCall {
        std::uint32_t flags;
        std::string word;
        bool operator==(const HighlightCall&) const = default;
    };

    std::uint32_t SetSearchFlags(std::uint32_t newFlags, std::uint32_t mask) override {
        flagsCalls.push_back({newFlags, mask});
        const std::uint32_t before = flags;
        flags = (flags & ~mask) | (newFlags & mask);
        return before;
    }
    std::uint32_t CurrentSearchFlags() const override { return flags; }
    TextEncoding Encoding() const override { return encoding; }
    SearchOutcome Search(const std::string& text, bool continuing) override {
        const QCursor* cursor = QApplication::overrideCursor();
        searches.push_back({text, continuing, cursor && cursor->shape() == Qt::WaitCursor});
        if (outcomes.empty()) return {};
        SearchOutcome next = outcomes.front();
        outcomes.pop_front();
        return next;
    }
    bool ReplaceFound(const std::string& replacement) override {
        replacements.push_back(replacement);
        return true;
    }
    std::variant<int, PatternError>
    ReplaceAll(const std::string& text, const std::string& replacement, bool inSelection) override {
        replaceAllCalls.push_back({text, replacement, inSelection});
        return replaceAllResult;
    }
    void SetWordHighlight(std::uint32_t highlightFlags, const std::string& word) override {
        highlights.push_back({highlightFlags, word});
    }
    void SetEditOptions(std::uint32_t options, std::uint32_t mask) override {
        optionsCalls.push_back({options, mask});
    }
    void SetTabWidth(int columns) override { tabWidths.push_back(columns); }
    bool SaveOptions() override {
        ++saves;
        return true;
    }
    bool MarginFollowsOptions() const override { return marginFollowsOptions; }
    QRect HitRowOnScreen() const override { return hitRow; }
    bool HasSelection() const override { return hasSelection; }
    void Beep() override { ++beeps; }

    std::uint32_t flags = 0;
    TextEncoding encoding = TextEncoding::Windows1252;
    std::deque<SearchOutcome> outcomes; // answered in turn; nothing found once they run out
    std::variant<int, PatternError> replaceAllResult = 0;
    QRect hitRow;
    bool hasSelection = false;
    bool marginFollowsOptions = true;

    std::vector<FlagsCall> flagsCalls;
    std::vector<SearchCall> searches;
    std::vector<std::string> replacements;
    std::vector<ReplaceAllCall> replaceAllCalls;
    std::vector<HighlightCall> highlights;
    std::vector<FlagsCall> optionsCalls; // options, mask
    std::vector<int> tabWidths;
    int beeps = 0;
    int saves = 0;
};

inline SearchOutcome Hit() {
    return {true, std::nullopt};
}

// Starts with an empty search history; the editor options, the tab width and the history are
// as the test found them afterwards.
class DialogTest : public PaneGlobalsTest {
protected:
    struct Message {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        bool operator==(const Message&) const = default;
    };
    struct Question {
        QString caption;
        QString text;
        bool operator==(const Question&) const = default;
    };

    DialogTest() { SearchHistory::Restore({}); }

    // Seams whose runner hands the dialog, cast to its class, to `drive` and then returns its
    // result; `closedWith` tells whether (and how) the dialog closed meanwhile.
    template <typename Dialog, typename Drive> DialogSeams SeamsDriving(Drive drive) {
        DialogSeams seams;
        seams.run = [this, drive](QDialog& dialog) {
            QObject::connect(&dialog, &QDialog::finished,
                             [this](int result) { closedWith = result; });
            drive(dynamic_cast<Dialog&>(dialog));
            return dialog.result();
        };
        seams.showMessage = [this](QWidget*, QMessageBox::Icon icon, const QString& caption,
                                   const QString& text) {
            messages.push_back({icon, caption, text});
        };
        seams.ask = [this](QWidget*, const QString& caption, const QString& text) {
            questions.push_back({caption, text});
            if (answers.empty()) return Answer::Cancel;
            const Answer next = answers.front();
            answers.pop_front();
            return next;
        };
        return seams;
    }

    FakeSearchTarget target;
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::deque<Answer> answers;
    std::optional<int> closedWith;
};

} // namespace varnex::test
