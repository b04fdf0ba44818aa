// The pop-up menu that inserts regular-expression elements into the search text.
#include "textview/dialogs/PatternMenu.h"

#include "textview/dialogs/DialogText.h"
#include "textview/model/search/PatternElements.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/widgets/ClipboardText.h"

#include <QLineEdit>
#include <QMenu>

#include <string>
#include <string_view>

namespace varnex {

namespace {

struct PatternMenuEntry {
    std::string_view text; // empty for a separator
    int code = 0;
};

constexpr PatternMenuEntry kSeparator{};

constexpr PatternMenuEntry kEntries[] = {
    {kPatternAnyRunText, 2},
    {kPatternWordText, 3},
    {kPatternNumberText, 4},
    {kPatternSpaceText, 5},
    {kPatternSpaceOrNoneText, 6},
    kSeparator,
    {kPatternLineStartText, 7},
    {kPatternLineEndText, 8},
    {kPatternWordEndText, 12},
    {kPatternWordStartText, 11},
    kSeparator,
    {kPatternCharSetText, 14},
    {kPatternCharSetOrNoneText, 15},
    {kPatternStringSetText, 16},
    {kPatternStringsWithoutText, 18},
    {kPatternCharNotInText, 17},
    kSeparator,
    {kPatternStrwlenText, 19},
    {kPatternStrwcharText, 20},
    {kPatternStrwcharOrNoneText, 21},
    kSeparator,
    {kPatternAnyCharText, 1},
    {kPatternLetterText, 13},
    {kPatternDigitText, 9},
    {kPatternDigitOrLetterText, 10},
};

// The syntax is search text, so it is read as the search text's bytes are.
QString SyntaxText(const PatternElement& element) {
    return BytesToText(std::string(element.syntax), TextEncoding::Windows1252);
}

QString ToolTip(const PatternElement& element) {
    return DialogText(element.description) + QLatin1Char('\n') + SyntaxText(element);
}

} // namespace

QMenu* BuildPatternMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setToolTipsVisible(true);
    for (const PatternMenuEntry& entry : kEntries) {
        if (entry.text.empty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(DialogText(entry.text));
        action->setData(entry.code);
        if (const PatternElement* element = FindPatternElement(entry.code))
            action->setToolTip(ToolTip(*element));
    }
    return menu;
}

bool InsertPatternElement(QLineEdit& edit, int code) {
    const PatternElement* element = FindPatternElement(code);
    if (!element) return false;
    const int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    edit.insert(SyntaxText(*element));
    edit.setCursorPosition(start + element->caretOffset);
    return true;
}

} // namespace varnex
