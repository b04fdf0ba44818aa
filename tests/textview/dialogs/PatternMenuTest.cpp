// The pattern menu: its entries, and how an entry goes into the search text.
#include "textview/dialogs/PatternMenu.h"
#include "tests/textview/dialogs/FakeSearchTarget.h"
#include "textview/dialogs/FindDlg.h"
#include "textview/dialogs/SearchFlagBoxes.h"
#include "textview/model/search/PatternElements.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace varnex {
namespace {

struct Entry {
    QString text; // empty for a separator
    int code;
    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << '"' << entry.text.toStdString() << "\" " << entry.code;
}

std::vector<Entry> EntriesOf(const QMenu& menu) {
    std::vector<Entry> entries;
    for (const QAction* action : menu.actions())
        entries.push_back(action->isSeparator() ? Entry{QString(), 0}
                                                : Entry{action->text(), action->data().toInt()});
    return entries;
}

QString Syntax(int code) {
    const PatternElement* element = FindPatternElement(code);
    return element ? QString::fromLatin1(element->syntax.data(),
                                         static_cast<qsizetype>(element->syntax.size()))
                   : QString();
}

TEST(PatternMenuTest, EntriesInTheirOrderWithCodesAndSeparators) {
    QWidget parent;
    const QMenu* menu = BuildPatternMenu(&parent);
    const Entry separator{QString(), 0};
    const std::vector<Entry> expected{
        {QStringLiteral("Beliebige  Zeichen&folge"), 2},
        {QStringLiteral("&Wort"), 3},
        {QStringLiteral("&Zahl"), 4},
        {QStringLiteral("&Leerraum"), 5},
        {QStringLiteral("Leer&raum oder (null)"), 6},
        separator,
        {QStringLiteral("Zeilen&anfang"), 7},
        {QStringLiteral("Zeilen&ende"), 8},
        {QStringLiteral("Wortende"), 12},
        {QStringLiteral("Wortanfang"), 11},
        separator,
        {QStringLiteral("Zeichen Aus&wahl"), 14},
        {QStringLiteral("Zeichen Auswahl oder (null)"), 15},
        {QStringLiteral("Zeichenketten Auswahl"), 16},
        {QStringLiteral("Zeichenketten ohne |...|"), 18},
        {QStringLiteral("Zeichen nicht aus {...}"), 17},
        separator,
        {QStringLiteral("Text via strwlen oder (null)"), 19},
        {QStringLiteral("Zeichen via strwchar"), 20},
        {QStringLiteral("Zeichen via strwchar oder (null)"), 21},
        separator,
        {QStringLiteral("Beliebiges &Zeichen"), 1},
        {QStringLiteral("Buchstabe"), 13},
        {QStringLiteral("Einzelne Zahl"), 9},
        {QStringLiteral("Zahl oder Buchstabe"), 10},
    };
    EXPECT_EQ(EntriesOf(*menu), expected);
    EXPECT_TRUE(menu->toolTipsVisible());
}

TEST(PatternMenuTest, EveryEntryExplainsItselfInItsToolTip) {
    QWidget parent;
    const QMenu* menu = BuildPatternMenu(&parent);
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        const PatternElement* element = FindPatternElement(action->data().toInt());
        ASSERT_NE(element, nullptr) << action->text().toStdString();
        const QString description = QString::fromUtf8(
            element->description.data(), static_cast<qsizetype>(element->description.size()));
        EXPECT_FALSE(description.isEmpty());
        EXPECT_TRUE(action->toolTip().startsWith(description)) << action->text().toStdString();
        EXPECT_TRUE(action->toolTip().endsWith(Syntax(element->code)))
            << action->text().toStdString();
    }
}

TEST(PatternMenuTest, AnElementGoesInAtTheCursorReplacingTheSelection) {
    constexpr int kCharacterSet = 14;
    const PatternElement* element = FindPatternElement(kCharacterSet);
    ASSERT_NE(element, nullptr);
    const QString syntax = Syntax(kCharacterSet);

    QLineEdit edit(QStringLiteral("abcd"));
    edit.setCursorPosition(2);
    ASSERT_TRUE(InsertPatternElement(edit, kCharacterSet));
    EXPECT_EQ(edit.text(), QStringLiteral("ab") + syntax + QStringLiteral("cd"));
    EXPECT_EQ(edit.cursorPosition(), 2 + element->caretOffset);

    edit.setText(QStringLiteral("abcd"));
    edit.setSelection(3, -2); // "bc", selected from its end
    ASSERT_TRUE(InsertPatternElement(edit, kCharacterSet));
    EXPECT_EQ(edit.text(), QStringLiteral("a") + syntax + QStringLiteral("d"));
    EXPECT_EQ(edit.cursorPosition(), 1 + element->caretOffset);

    EXPECT_FALSE(InsertPatternElement(edit, 99));
    EXPECT_EQ(edit.text(), QStringLiteral("a") + syntax + QStringLiteral("d"));
}

class PatternButtonTest : public test::DialogTest {};

TEST_F(PatternButtonTest, TheButtonOpensTheMenuAndAnEntrySwitchesToRegularExpressions) {
    constexpr int kWordStart = 11;
    DialogSeams seams = SeamsDriving<CFindDlg>([](CFindDlg& dialog) {
        dialog.show();
        dialog.SearchBox().lineEdit()->end(false); // the text comes selected
        dialog.PatternButton().click();
        EXPECT_TRUE(dialog.PatternMenu().isVisible());
        for (QAction* action : dialog.PatternMenu().actions())
            if (action->data().toInt() == kWordStart) action->trigger();
        dialog.PatternMenu().hide();
        EXPECT_EQ(dialog.SearchBox().currentText(), QStringLiteral("x") + Syntax(kWordStart));
        EXPECT_TRUE(dialog.FlagBoxes().CheckBox(SearchFlags::kRegex).isChecked());
    });
    RunFindDialog(target, seams, nullptr, QStringLiteral("x"));
}

} // namespace
} // namespace varnex
