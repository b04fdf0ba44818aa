// Text registers and the search history (kept in the settings across a restart) and key macros
// read from "Accel".
#include "common/SettingsKey.h"
#include "common/SettingsText.h"
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/editor/PaneCommands.h"
#include "textview/model/editor/PaneKeys.h"
#include "textview/model/editor/TextRegisters.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/OptionSettings.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::EditedPane;

class RegistersTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override { TextRegisters::Clear(); }
    void TearDown() override { TextRegisters::Clear(); }
};

TEST_F(RegistersTest, CopyInsertAndTheRegisterCommands) {
    EditedPane pane({"first", "second"});
    pane.editor.MoveTo({0, 0}, false);
    pane.editor.MoveTo({5, 0}, true);
    EditOptions::ClearChanged();
    EXPECT_EQ(pane.editor.CopySelection(TextSlot::Register(3)), 5);
    EXPECT_TRUE(EditOptions::Changed()) << "a register is saved with the options";
    EXPECT_EQ(TextRegisters::Get(3), "first");
    pane.editor.MoveTo({6, 1}, false);
    ASSERT_TRUE(RunPaneCommand(pane.editor, kInsertRegister + 3, {}));
    EXPECT_EQ(pane.Line(1), "secondfirst");
    EXPECT_FALSE(pane.editor.InsertText(TextSlot::Register(4))) << "an empty register";
    pane.editor.MoveTo({0, 1}, false);
    pane.editor.MoveTo({1, 1}, true);
    ASSERT_TRUE(RunPaneCommand(pane.editor, kCopyToRegisterToo + 9, {}));
    EXPECT_EQ(TextRegisters::Get(9), "s");
    EXPECT_EQ(TextRegisters::StoredLength(9), 2) << "a one-character register can be inserted";
    EXPECT_FALSE(RunPaneCommand(pane.editor, kInsertRegister + 10, {}));
}

TEST_F(RegistersTest, RegistersAndSearchesSurviveARestartThroughTheSettings) {
    const std::string path = "Software\\Tamsel\\Test\\Registers";
    SearchHistory::Restore({"latest", "Äpfel", "oldest"});
    TextRegisters::Set(8, "older");
    ASSERT_TRUE(OptionSettings::Save(path));
    TextRegisters::Set(0, "zero");
    TextRegisters::Set(7, "seven\nlines");
    TextRegisters::Set(8, std::string(300, 'x'));
    EXPECT_TRUE(EditOptions::Changed()) << "a long register is saved as well";
    ASSERT_TRUE(OptionSettings::Save(path));
    TextRegisters::Clear();
    SearchHistory::Restore({});
    ASSERT_TRUE(OptionSettings::Load(path, Hive::CurrentUser));
    EXPECT_EQ(SearchHistory::Entries(), (std::vector<std::string>{"latest", "Äpfel", "oldest"}));
    EXPECT_EQ(TextRegisters::Get(0), "zero");
    EXPECT_EQ(TextRegisters::Get(7), "seven\nlines");
    EXPECT_EQ(TextRegisters::Get(8), std::string(300, 'x')) << "never the older value";
    EXPECT_FALSE(EditOptions::Changed()) << "reading them back changes nothing";
}

void WriteString(std::string_view path, std::string_view name, const std::string& text) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, path, OpenMode::Create));
    ASSERT_TRUE(WriteText(key, name, text));
}

TEST(KeyMacros, ReadFromAccelThroughTheExtensionsName) {
    const std::string root = "Software\\Tamsel\\Test\\Macros";
    WriteString(root, ".cpp", "CppStyle");
    WriteString(root + "\\CppStyle\\Accel", "one", "M:std::move(");
    WriteString(root + "\\CppStyle\\Accel", "two",
                "\xFC:\xFC"
                "ber");
    WriteString(root + "\\CppStyle\\Accel", "bad", "no colon");
    WriteString(root + "\\CppStyle\\Accel", "three", "M:later wins");
    EditedPane pane({""});
    pane.document.SetSettingsPath(root);
    ASSERT_TRUE(pane.editor.LoadKeyMacros(std::string(".cpp")));
    EXPECT_EQ(pane.editor.Macros().Of('M'), "later wins");
    EXPECT_EQ(pane.editor.Macros().Of(0x5B), "\xFC"
                                             "ber")
        << "ü is the first further key";
    EXPECT_FALSE(pane.editor.LoadKeyMacros(std::string("NoSuchStyle")));
    EXPECT_FALSE(pane.editor.Macros().Of('M').has_value()) << "loading starts afresh";
}

TEST(KeyMacros, CtrlWithAMacroKeyTypesTheMacroUnlessShiftIsHeld) {
    EditedPane pane({""});
    pane.editor.Macros().Set('M', "macro");
    PaneKeys keys;
    KeyPress press;
    press.key = PaneKey::Character;
    press.code = 'M';
    press.ctrl = true;
    keys.PressKey(pane.editor, press);
    EXPECT_EQ(pane.Line(0), "macro");
    press.shift = true;
    keys.PressKey(pane.editor, press);
    EXPECT_EQ(pane.Line(0), "macro");
    EXPECT_EQ(MacroKeyCode('<'), 0x64) << "'<' is a key of its own";
    EXPECT_EQ(MacroKeyCode('a'), 'A');
    EXPECT_FALSE(MacroKeyCode('?').has_value());
}

} // namespace
} // namespace varnex
