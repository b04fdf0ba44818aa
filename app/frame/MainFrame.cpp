// The main window: menu bar, toolbar, status bar and the compare view; routes every command.
#include "app/frame/MainFrame.h"

#include "app/commands/MenuTable.h"
#include "app/commands/ShortcutTable.h"
#include "app/commands/ToolBarTable.h"
#include "app/compare/VarnexView.h"
#include "app/dialogs/ColourInfoDlg.h"
#include "app/dialogs/HelpDlg.h"
#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/frame/Announcement.h"
#include "app/frame/FrameSettings.h"
#include "app/frame/NumLockIndicator.h"
#include "app/frame/WindowPlacement.h"
#include "app/ui/IconResources.h"
#include "app/ui/UiText.h"
#include "res/CommandId.h"
#include "res/StringId.h"
#include "textview/model/settings/PaneTexts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cstring>

namespace varnex {

namespace {

constexpr QSize kToolIconSize(16, 16);
constexpr int kToolBarBorder = 2;
// The running bar of a long compare: wide enough to be seen moving, no wider.
constexpr int kBusyBarChars = 12;

} // namespace

const CommandTable<CMainFrame>& CMainFrame::Commands() {
    static const CommandTable<CMainFrame> commands{
        {kCmdFlatToolBar, &CMainFrame::ToggleFlatToolBar, &CMainFrame::FlatToolBarState},
        {kCmdAlwaysOnTop, &CMainFrame::ToggleAlwaysOnTop, &CMainFrame::AlwaysOnTopState},
        {kCmdToggleToolBar, &CMainFrame::ToggleBar, &CMainFrame::BarState},
        {kCmdToggleStatusBar, &CMainFrame::ToggleBar, &CMainFrame::BarState},
        {kCmdHelpSyntax, &CMainFrame::ShowHelp, &CMainFrame::AlwaysEnabled},
        {kCmdColourInfo, &CMainFrame::ShowColourInfo, &CMainFrame::AlwaysEnabled},
        {kCmdExit, &CMainFrame::Exit, &CMainFrame::AlwaysEnabled},
        {kCmdNextPane, &CMainFrame::SwitchPane, &CMainFrame::AlwaysEnabled},
        {kCmdPreviousPane, &CMainFrame::SwitchPane, &CMainFrame::AlwaysEnabled},
    };
    return commands;
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), flatMode_(ReadFlatMode()) {
    EnsureIconResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnex.svg")));
    PlaceOnScreen();
    setCentralWidget(BuildCentre());
    actions_ = new CommandActions(router_, this);
    BuildRoute();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildShortcuts();
    BuildFileHandling();
    connect(view_, &CVarnexView::CommandStatesChanged, this, &CMainFrame::UpdateCommandStates);
    // The active pane decides some commands, and it changes with the focus.
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

// The window opens where it was last, within the screen there is now; a first window fits it
// too: with a large scale factor the default size may not.
void CMainFrame::PlaceOnScreen() {
    const std::optional<StoredPlacement> stored = ReadWindowPlacement();
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn) {
        resize(kDefaultSize);
        return;
    }
    setGeometry(PlacementAtStart(stored, kDefaultSize, shownOn->availableGeometry()));
    if (stored && stored->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

// A maximised window stores the rectangle it returns to, so that it opens maximised again and
// still has its own size when the user restores it.
void CMainFrame::StorePlacement() {
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    const StoreResult stored = WriteWindowPlacement(
        {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
    if (stored) return;
    const QString text = QString::fromUtf8(kSettingsNotSavedText)
                             .arg(QString::fromUtf8(stored.failure->path),
                                  QString::fromLocal8Bit(std::strerror(stored.failure->error)));
    messageBox_(this, QMessageBox::Critical, QString::fromUtf8(kErrorCaption), text);
}

// The children go after this destructor has run; focus moves and view signals on their way
// out must not reach the frame's slots any more.
CMainFrame::~CMainFrame() {
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(view_, nullptr, this, nullptr);
    WriteFlatMode(flatMode_);
}

// View, active pane, document, frame, application: the first that knows a command decides.
void CMainFrame::BuildRoute() {
    router_.Append([this] { return static_cast<CommandTarget*>(view_); });
    router_.Append([this] { return dynamic_cast<CommandTarget*>(&view_->ActivePane()); });
    router_.Append([this] { return document_; });
    router_.Append([this] { return static_cast<CommandTarget*>(this); });
    router_.Append([this] { return application_; });
}

void CMainFrame::BuildMenus() {
    for (const MenuDefinition& definition : MainMenuTable()) {
        QMenu* menu = menuBar()->addMenu(UiText(definition.titleId));
        for (const MenuEntry& entry : definition.entries) {
            if (entry.id == kCmdSeparator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = actions_->Action(entry.id);
            action->setText(UiText(entry.textId));
            menu->addAction(action);
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new QToolBar(UiText(kStrItemToolBar).remove('&'), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(kToolIconSize);
    toolBar_->setContentsMargins(kToolBarBorder, kToolBarBorder, kToolBarBorder, kToolBarBorder);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (const ToolButtonEntry& button : MainToolBarTable()) {
        if (button.id == kCmdSeparator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_->Action(button.id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    ApplyFlatMode();
}

void CMainFrame::BuildStatusBar() {
    promptPane_ = new QLabel(UiText(kStrReady));
    numLockPane_ = new NumLockIndicator;
    numLockPane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The prompt pane is a normal widget: fly-by prompts cover it and "Bereit" returns after.
    statusBar()->addWidget(promptPane_, 1);
    // Behind it the panes' own fields: the caret's text and the insert-mode mark.
    caretPane_ = new QLabel;
    modePane_ = new QLabel;
    for (QLabel* field : {caretPane_, modePane_}) {
        field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(field);
    }
    statusBar()->addPermanentWidget(numLockPane_);
    // Identical files are worth a word; any other result leaves the idle prompt.
    connect(view_, &CVarnexView::Compared, this, [this](bool identical) {
        promptPane_->setText(UiText(PromptAfterCompare(identical, view_->Hidden())));
    });
    for (const Side side : kBothSides) {
        connect(&view_->DoublePane().Pane(side), &CAnsiEditView::StatusPublished, this,
                &CMainFrame::ShowPaneStatus);
    }
    connect(view_, &CVarnexView::BlockReached, this,
            [this](const QString& text) { Announce(*promptPane_, text); });
    BuildBusyPane();
}

// A long compare shows its files, a running bar and "Abbrechen" (Esc does the same).
void CMainFrame::BuildBusyPane() {
    busyPane_ = new QWidget;
    busyText_ = new QLabel;
    auto* running = new QProgressBar;
    running->setRange(0, 0);
    running->setMaximumWidth(fontMetrics().averageCharWidth() * kBusyBarChars);
    cancelButton_ = new QPushButton(UiText(kStrCancelCompare));
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(busyPane_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(busyText_, 1);
    layout->addWidget(running);
    layout->addWidget(cancelButton_);
    statusBar()->addWidget(busyPane_, 1);
    busyPane_->hide();
    connect(cancelButton_, &QPushButton::clicked, view_, &CVarnexView::CancelCompare);
    connect(view_, &CVarnexView::CompareBusy, this, [this](const QString& text) {
        busyText_->setText(text);
        promptPane_->hide();
        busyPane_->show();
    });
    connect(view_, &CVarnexView::CompareEnded, this, &CMainFrame::OnCompareEnded);
}

void CMainFrame::OnCompareEnded(bool cancelled) {
    busyPane_->hide();
    promptPane_->show();
    if (cancelled) promptPane_->setText(UiText(kStrCompareCancelled));
    if (closeAfterCompare_) QTimer::singleShot(0, this, &QWidget::close);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    closeAfterCompare_ = view_->Comparing();
    if (!closeAfterCompare_) {
        StorePlacement();
        QMainWindow::closeEvent(event);
        return;
    }
    view_->CancelCompare();
    event->ignore();
}

void CMainFrame::BuildShortcuts() {
    for (const ShortcutEntry& entry : MainShortcutTable()) {
        auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
        shortcut->setContext(Qt::WindowShortcut);
        const CommandId id = entry.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { RunCommand(id); });
    }
}

bool CMainFrame::OnCommand(CommandId id) {
    return Commands().Run(*this, id);
}

bool CMainFrame::OnUpdateCommand(CommandId id, CommandState& state) {
    return Commands().Query(*this, id, state);
}

void CMainFrame::ShowPaneStatus(const QString& text, const QString& mode) {
    caretPane_->setText(text);
    modePane_->setText(mode);
}

// A hidden toolbar takes the style too, and shows with it when it comes back.
void CMainFrame::ToggleFlatToolBar(CommandId) {
    flatMode_ = !flatMode_;
    ApplyFlatMode();
}

void CMainFrame::ApplyFlatMode() {
    for (QAction* action : toolBar_->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action)))
            button->setAutoRaise(flatMode_);
    }
    toolBar_->update();
}

CommandState CMainFrame::FlatToolBarState(CommandId) const {
    return {true, flatMode_};
}

// Changing the flag re-creates the native window, which hides it; it comes back where it was,
// without taking the focus.
void CMainFrame::ToggleAlwaysOnTop(CommandId) {
    alwaysOnTop_ = !alwaysOnTop_;
    const bool shown = isVisible();
    const QRect placed = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, alwaysOnTop_);
    if (!shown) return;
    setGeometry(placed);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

CommandState CMainFrame::AlwaysOnTopState(CommandId) const {
    return {true, alwaysOnTop_};
}

QWidget& CMainFrame::BarOf(CommandId id) const {
    if (id == kCmdToggleToolBar) return *toolBar_;
    return *statusBar();
}

void CMainFrame::ToggleBar(CommandId id) {
    QWidget& bar = BarOf(id);
    bar.setVisible(bar.isHidden());
}

CommandState CMainFrame::BarState(CommandId id) const {
    return {true, !BarOf(id).isHidden()};
}

void CMainFrame::ShowHelp(CommandId) {
    CHelpDlg dialog(this);
    runDialog_(dialog);
}

void CMainFrame::ShowColourInfo(CommandId) {
    CColourInfoDlg dialog(this);
    runDialog_(dialog);
}

// Esc ends the program, but first it stops a running compare.
void CMainFrame::Exit(CommandId) {
    if (view_->Comparing()) {
        view_->CancelCompare();
        return;
    }
    close();
}

// The two panes are the only ones, so next and previous both move to the other.
void CMainFrame::SwitchPane(CommandId) {
    CTextDoubleWnd& panes = view_->DoublePane();
    panes.Pane(OtherSide(panes.ActiveSide())).setFocus(Qt::OtherFocusReason);
}

CommandState CMainFrame::AlwaysEnabled(CommandId) const {
    return {true, false};
}

} // namespace varnex
