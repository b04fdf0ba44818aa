// The context menu of the double-pane window: copy a side's path or open it in the editor.
#include "app/doublepane/DoublePaneMenu.h"

#include "res/CommandId.h"
#include "app/doublepane/ComparePane.h"
#include "app/editor/EditorChoice.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "res/StringTable.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>

#include <array>

namespace varnex {

namespace {

constexpr std::array<int, 2> kMenuCommands{kCmdCopyPath, kCmdStartEditor};

} // namespace

DoublePaneMenu::DoublePaneMenu(CTextDoubleWnd& window)
    : QObject(&window), window_(window), environment_(CurrentEditorEnvironment()) {}

QMenu* DoublePaneMenu::Build(int side, QWidget* parent) {
    auto* menu = new QMenu(parent);
    const bool hasFile = !window_.SideStateOf(side).path.empty();
    for (const int id : kMenuCommands) {
        QAction* action = menu->addAction(QString::fromStdString(LoadString(id)));
        action->setData(id);
        action->setEnabled(hasFile);
        connect(action, &QAction::triggered, this, [this, id, side] { Run(id, side); });
    }
    return menu;
}

bool DoublePaneMenu::Run(int id, int side) {
    if (id == kCmdCopyPath) return CopyPath(side);
    if (id == kCmdStartEditor) return StartEditor(side);
    return false;
}

bool DoublePaneMenu::CopyPath(int side) {
    const std::string& path = window_.SideStateOf(side).path;
    if (path.empty()) return false;
    QGuiApplication::clipboard()->setText(QFile::decodeName(QByteArray::fromStdString(path)));
    return true;
}

bool DoublePaneMenu::StartEditor(int side) {
    const SideState& state = window_.SideStateOf(side);
    if (state.path.empty()) return false;
    const int topRow = window_.Pane(side).Scroll().firstLine;
    const int line = LineAtTopRow(state.lines.data(), static_cast<int>(state.lines.size()), topRow);
    return LaunchEditor(state.path, line, environment_);
}

} // namespace varnex
