// The double-pane window's context menu: which side, greyed entries, copying paths, editor
// arguments.
#include "app/doublepane/DoublePaneMenu.h"
#include "app/doublepane/ContextSide.h"
#include "res/CommandId.h"
#include "tests/app/compare/ViewTestSupport.h"

#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace varnex {
namespace {

TEST(ContextSide, HalvesOfBothLayouts) {
    EXPECT_EQ(ContextSideAt(49, 300, 100, 400, false), Side::Left);
    EXPECT_EQ(ContextSideAt(50, 0, 100, 400, false), Side::Right);
    EXPECT_EQ(ContextSideAt(99, 199, 100, 400, true), Side::Left);
    EXPECT_EQ(ContextSideAt(0, 200, 100, 400, true), Side::Right);
}

std::vector<bool> EntriesEnabled(CTextDoubleWnd& window, Side side) {
    std::unique_ptr<QMenu> menu(window.ContextMenu().Build(side, &window));
    std::vector<bool> enabled;
    for (QAction* action : menu->actions())
        enabled.push_back(action->isEnabled());
    EXPECT_EQ(menu->actions().at(0)->text(), "Pfad kopieren");
    EXPECT_EQ(menu->actions().at(1)->text(), "Editor starten");
    return enabled;
}

TEST(DoublePaneMenu, GreyedBeforeAComparisonAndCopiesPathsAfter) {
    test::ShownView shown;
    CTextDoubleWnd& window = shown.view->DoublePane();
    EXPECT_EQ(EntriesEnabled(window, Side::Left), (std::vector<bool>{false, false}));
    EXPECT_FALSE(window.ContextMenu().Run(kCmdCopyPath, Side::Left));

    shown.Compare("a\n", "b\n");
    EXPECT_EQ(EntriesEnabled(window, Side::Right), (std::vector<bool>{true, true}));
    ASSERT_TRUE(window.ContextMenu().Run(kCmdCopyPath, Side::Right));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), shown.view->Path(Side::Right));
}

TEST(DoublePaneMenu, RightClickPicksTheSideUnderThePointer) {
    test::ShownView shown;
    CTextDoubleWnd& window = shown.view->DoublePane();
    for (const bool stacked : {false, true}) {
        window.SetStacked(stacked);
        const QPoint second =
            stacked ? QPoint(10, window.height() - 10) : QPoint(window.width() - 10, 10);
        for (const auto& [at, side] :
             {std::pair{QPoint(5, 5), Side::Left}, std::pair{second, Side::Right}}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
            QApplication::sendEvent(&window, &event);
            EXPECT_EQ(window.ContextSide(), side) << "stacked " << stacked;
            for (QWidget* popup : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMenu*>(popup)) popup->close();
            }
        }
    }
}

// An editor that writes its arguments, one per line, next to itself.
class FakeEditor {
public:
    FakeEditor() : folder_(test::ScratchFolder() / "fake-editor" / std::to_string(++serial_)) {
        std::filesystem::create_directories(folder_);
        const auto script = folder_ / "scribent";
        std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \""
                              << (folder_ / "args.tmp").string() << "\"\nmv \""
                              << (folder_ / "args.tmp").string() << "\" \"" << ArgsFile().string()
                              << "\"\n";
        chmod(script.c_str(), 0755);
    }
    EditorEnvironment Environment() const { return {folder_.string(), ""}; }
    std::filesystem::path ArgsFile() const { return folder_ / "args"; }

    std::vector<std::string> WaitForArguments() const {
        for (int i = 0; i < 200 && !std::filesystem::exists(ArgsFile()); ++i)
            QTest::qWait(25);
        std::ifstream in(ArgsFile());
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

private:
    static inline int serial_ = 0;
    std::filesystem::path folder_;
};

std::vector<std::string> EditorArgumentsAtRow(test::ShownView& shown, Side side, int row) {
    FakeEditor editor;
    CTextDoubleWnd& window = shown.view->DoublePane();
    window.ContextMenu().SetEditorEnvironment(editor.Environment());
    window.ScrollBoth(0, row);
    EXPECT_EQ(window.Pane(side).Scroll().firstLine, row);
    EXPECT_TRUE(window.ContextMenu().Run(kCmdStartEditor, side));
    return editor.WaitForArguments();
}

TEST(DoublePaneMenu, APanesOwnMenuStartsWithItsSidesEntries) {
    test::ShownView shown;
    ASSERT_EQ(shown.Compare("left word\n", "right\n"), LoadResult::Ok);
    CTextDoubleWnd& window = shown.view->DoublePane();
    CComparePane& right = shown.Pane(Side::Right);
    std::unique_ptr<QMenu> menu(right.BuildContextMenu(right.CellRect({2, 0}).center()));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_GT(actions.size(), 4);
    EXPECT_EQ(actions.at(0)->text(), "Pfad kopieren");
    EXPECT_EQ(actions.at(1)->text(), "Editor starten");
    EXPECT_TRUE(actions.at(2)->isSeparator());
    EXPECT_EQ(actions.at(4)->text(), "&Kopiere Wort");
    EXPECT_EQ(window.ContextSide(), Side::Right);
    actions.at(0)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), shown.view->Path(Side::Right));
    EXPECT_FALSE(actions.at(5)->isEnabled()) << "nothing is pasted into a compare pane";
}

TEST(DoublePaneMenu, EditorStartsAtTheLineShownAtTheTop) {
    test::ShownView shown(600, 60);
    std::string left, right = "x\n";
    for (int i = 1; i <= 40; ++i)
        left += "line " + std::to_string(i) + "\n";
    shown.Compare(left, right + left.substr(0, 20) + "y\n");
    const std::string path = shown.view->Path(Side::Left);
    EXPECT_EQ(EditorArgumentsAtRow(shown, Side::Left, 0),
              (std::vector<std::string>{path, "-s:0:0"}));
    // Row 0 shows a placeholder on the left; row 1 shows line 1 again.
    const std::string rightPath = shown.view->Path(Side::Right);
    EXPECT_EQ(EditorArgumentsAtRow(shown, Side::Right, 3),
              (std::vector<std::string>{rightPath, "-s:3:0"}));
}

TEST(DoublePaneMenu, PlaceholderTopRowsTakeTheNextRealLine) {
    test::ShownView shown(600, 60);
    std::string left = "a\n", right = "a\n";
    for (int i = 0; i < 30; ++i)
        right += "new " + std::to_string(i) + "\n";
    shown.Compare(left + "end\n", right + "end\n");
    // Rows 1..30 are placeholders on the left; "end" is left line 2.
    EXPECT_EQ(EditorArgumentsAtRow(shown, Side::Left, 5)[1], "-s:1:0");
}

TEST(DoublePaneMenu, OnlyPlaceholdersBelowMeansNoLineArgument) {
    test::ShownView shown(600, 60);
    std::string right = "a\n";
    for (int i = 0; i < 30; ++i)
        right += "new " + std::to_string(i) + "\n";
    const std::string blanks = "dir with blanks/";
    const std::string leftPath = test::WriteScratchFile(blanks + "left $HOME \"q\".txt", "a\n");
    const std::string rightPath = test::WriteScratchFile(blanks + "right.txt", right);
    ASSERT_EQ(shown.view->LoadAndCompare(leftPath, rightPath), LoadResult::Ok);
    EXPECT_EQ(EditorArgumentsAtRow(shown, Side::Left, 10), std::vector<std::string>{leftPath});
}

// Byte 0xE4 alone is no UTF-8: the name is shown with a replacement character, but the
// clipboard and the editor get the bytes themselves.
TEST(DoublePaneMenu, APathThatIsNotUtf8IsCopiedAndHandedOnAsItsBytes) {
    test::ShownView shown;
    const std::string left = test::WriteScratchFile("m\xe4n.txt", "a\n");
    ASSERT_EQ(shown.view->LoadAndCompare(left, test::WriteScratchFile("other.txt", "b\n")),
              LoadResult::Ok);
    CTextDoubleWnd& window = shown.view->DoublePane();
    ASSERT_TRUE(window.ContextMenu().Run(kCmdCopyPath, Side::Left));
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->data(QStringLiteral("text/plain")).toStdString(), left);
    ASSERT_EQ(copied->urls().size(), 1);
    EXPECT_EQ(copied->urls().front().toEncoded().toStdString(),
              "file://" + QByteArray::fromStdString(left).toPercentEncoding("/").toStdString());
    EXPECT_EQ(EditorArgumentsAtRow(shown, Side::Left, 0),
              (std::vector<std::string>{left, "-s:0:0"}));
}

} // namespace
} // namespace varnex
