// The main window: menu bar, toolbar, status bar and the compare view; routes every command.
#pragma once

#include "app/commands/CommandActions.h"
#include "app/commands/CommandRouter.h"
#include "app/commands/CommandTable.h"
#include "app/commands/CommandTarget.h"
#include "app/compare/DiskChangeCheck.h"
#include "app/compare/FileDrop.h"
#include "textview/dialogs/DialogRunner.h"
#include "textview/dialogs/MessageBoxCall.h"

#include <QMainWindow>
#include <QSize>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QToolBar;

namespace varnex {

class ChangeNotice;
class CompareFileWatch;
class CVarnexView;
class NumLockIndicator;

class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    // Size of a new window: room for two panes of ordinary source lines side by side.
    static constexpr QSize kDefaultSize{1100, 750};

    // Reads FlatMode; the window stays hidden until start-up or the first Open shows it.
    explicit CMainFrame(QWidget* parent = nullptr);
    // Writes FlatMode.
    ~CMainFrame() override;

    CVarnexView& View() { return *view_; }
    // The document and the application close the route behind the frame.
    void SetDocument(CommandTarget* document) { document_ = document; }
    void SetApplication(CommandTarget* application) { application_ = application; }
    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
    void SetMessageBox(MessageBoxCall call) { messageBox_ = std::move(call); }
    // Compares files dropped on the window (first, second).
    using FileOpener = std::function<void(const std::string&, const std::string&)>;
    void SetFileOpener(FileOpener opener) { openFiles_ = std::move(opener); }

    // Runs `id` as a menu entry, toolbar button or key would: only while it is enabled.
    bool RunCommand(CommandId id) { return actions_->Run(id); }
    CommandState QueryCommand(CommandId id) const { return router_.Query(id); }
    // Brings menu entries and toolbar buttons up to date with the route.
    void UpdateCommandStates() { actions_->UpdateAll(); }
    CommandActions& Actions() { return *actions_; }

    QToolBar& ToolBar() { return *toolBar_; }
    QLabel& PromptPane() { return *promptPane_; }
    // The fields where the pane with the focus shows its caret and insert mode.
    QLabel& CaretPane() { return *caretPane_; }
    QLabel& ModePane() { return *modePane_; }
    NumLockIndicator& NumLockPane() { return *numLockPane_; }
    // Shown while a long compare runs: its files and the button that stops it.
    QWidget& BusyPane() { return *busyPane_; }
    QPushButton& CancelButton() { return *cancelButton_; }
    // The bar above the panes that tells of a compared file changed on disk.
    ChangeNotice& Notice() { return *notice_; }
    bool FlatToolBar() const { return flatMode_; }
    bool AlwaysOnTop() const { return alwaysOnTop_; }

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CommandState& state) override;

protected:
    // A window closed during a compare stops the compare first and closes when it has ended;
    // closing, it stores where it is.
    void closeEvent(QCloseEvent* event) override;

private:
    static const CommandTable<CMainFrame>& Commands();

    void PlaceOnScreen();
    void StorePlacement();
    void BuildRoute();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildBusyPane();
    void OnCompareEnded(bool cancelled);
    void BuildShortcuts();
    QWidget* BuildCentre();
    void BuildFileHandling();
    void OnFilesDropped(const std::vector<DroppedItem>& items, std::optional<Side> side);
    void OnFileChanged(Side side, DiskChange change);
    void OnComparedFiles();
    void ApplyFlatMode();
    void ShowPaneStatus(const QString& text, const QString& mode);

    void ToggleFlatToolBar(CommandId id);
    CommandState FlatToolBarState(CommandId id) const;
    void ToggleAlwaysOnTop(CommandId id);
    CommandState AlwaysOnTopState(CommandId id) const;
    void ToggleBar(CommandId id);
    CommandState BarState(CommandId id) const;
    QWidget& BarOf(CommandId id) const;
    void ShowHelp(CommandId id);
    void ShowColourInfo(CommandId id);
    void Exit(CommandId id);
    void SwitchPane(CommandId id);
    CommandState AlwaysEnabled(CommandId id) const;

    CommandRouter router_;
    CommandActions* actions_ = nullptr;
    CVarnexView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* promptPane_ = nullptr;
    QLabel* caretPane_ = nullptr;
    QLabel* modePane_ = nullptr;
    NumLockIndicator* numLockPane_ = nullptr;
    QWidget* busyPane_ = nullptr;
    QLabel* busyText_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool closeAfterCompare_ = false;
    ChangeNotice* notice_ = nullptr;
    CompareFileWatch* fileWatch_ = nullptr;
    FileOpener openFiles_;
    CommandTarget* document_ = nullptr;
    CommandTarget* application_ = nullptr;
    DialogRunner runDialog_ = RunModalDialog;
    MessageBoxCall messageBox_ = ShowModalMessageBox;
    bool flatMode_ = true;
    bool alwaysOnTop_ = false; // never stored: every run starts in the normal layer
};

} // namespace varnex
