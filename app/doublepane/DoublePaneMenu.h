// The context menu of the double-pane window: copy a side's path or open it in the editor.
#pragma once

#include "app/editor/EditorLauncher.h"
#include "engine/Side.h"
#include "res/CommandId.h"

#include <QObject>

class QMenu;
class QWidget;

namespace varnex {

class CTextDoubleWnd;

class DoublePaneMenu : public QObject {
    Q_OBJECT

public:
    explicit DoublePaneMenu(CTextDoubleWnd& window);

    // A new menu for `side`, its entries greyed while that side has no file; the caller
    // owns it.
    QMenu* Build(Side side, QWidget* parent);
    // Adds the two entries for `side` to `menu`.
    void AddEntries(QMenu& menu, Side side);
    // Runs "Pfad kopieren" or "Editor starten" for `side`; false for other ids or no file.
    bool Run(CommandId id, Side side);

    void SetEditorEnvironment(EditorEnvironment environment) {
        environment_ = std::move(environment);
    }

private:
    bool CopyPath(Side side);
    bool StartEditor(Side side);

    CTextDoubleWnd& window_;
    EditorEnvironment environment_;
};

} // namespace varnex
