// The context menu of the double-pane window: copy a side's path or open it in the editor.
#include "app/doublepane/DoublePaneMenu.h"

#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/editor/EditorChoice.h"
#include "res/CommandId.h"
#include "res/StringTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <array>

namespace varnex {

namespace {

// The path as its bytes, whatever they are, and as a file URL, which escapes every byte.
QMimeData* PathMimeData(const std::string& path) {
    auto* data = new QMimeData;
    const QByteArray bytes = QByteArray::fromStdString(path);
    data->setData(QStringLiteral("text/plain"), bytes);
    data->setData(QStringLiteral("text/uri-list"),
                  "file://" + bytes.toPercentEncoding("/") + "\r\n");
    return data;
}

constexpr std::array<CommandId, 2> kMenuCommands{kCmdCopyPath, kCmdStartEditor};

} // namespace

DoublePaneMenu::DoublePaneMenu(CTextDoubleWnd& window)
    : QObject(&window), window_(window), environment_(CurrentEditorEnvironment()) {}

QMenu* DoublePaneMenu::Build(Side side, QWidget* parent) {
    auto* menu = new QMenu(parent);
    AddEntries(*menu, side);
    return menu;
}

void DoublePaneMenu::AddEntries(QMenu& menu, Side side) {
    const bool hasFile = !window_.SideStateOf(side).path.empty();
    for (const CommandId id : kMenuCommands) {
        QAction* action = menu.addAction(QString::fromStdString(LoadString(id)));
        action->setData(id);
        action->setEnabled(hasFile);
        connect(action, &QAction::triggered, this, [this, id, side] { Run(id, side); });
    }
}

bool DoublePaneMenu::Run(CommandId id, Side side) {
    if (id == kCmdCopyPath) return CopyPath(side);
    if (id == kCmdStartEditor) return StartEditor(side);
    return false;
}

bool DoublePaneMenu::CopyPath(Side side) {
    const std::string& path = window_.SideStateOf(side).path;
    if (path.empty()) return false;
    QGuiApplication::clipboard()->setMimeData(PathMimeData(path));
    return true;
}

bool DoublePaneMenu::StartEditor(Side side) {
    const SideState& state = window_.SideStateOf(side);
    if (state.path.empty()) return false;
    const int topRow = window_.Pane(side).Scroll().firstLine;
    const int line = LineAtTopRow(state.lines.data(), static_cast<int>(state.lines.size()), topRow);
    return LaunchEditor(state.path, line, environment_);
}

} // namespace varnex
