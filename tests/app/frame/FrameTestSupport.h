// Test helpers for the main window and start-up: a frame or a started program whose dialogs
// and message boxes are only recorded, and the text a pane shows.
#pragma once

#include "tests/app/compare/ViewTestSupport.h"

#include "app/doublepane/ComparePane.h"
#include "app/frame/MainFrame.h"
#include "app/startup/VarnexApp.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnex::test {

// Stands in for modal dialogs: records each one and lets the test fill it in.
struct DialogRecorder {
    int Run(QDialog& dialog) {
        shown.push_back(dialog.metaObject()->className());
        windowShownDuringDialog.push_back(owner && owner->isVisible());
        return answer ? answer(dialog) : QDialog::Rejected;
    }

    std::vector<std::string> shown;
    std::vector<bool> windowShownDuringDialog;
    std::function<int(QDialog&)> answer;
    QWidget* owner = nullptr;
};

// A main window on screen, with a document and an application only when started through
// StartedApp.
struct ShownFrame {
    ShownFrame() : frame(std::make_unique<CMainFrame>()) {
        frame->SetDialogRunner([this](QDialog& dialog) { return dialogs.Run(dialog); });
        frame->show();
        QApplication::processEvents();
    }

    CMainFrame& operator*() { return *frame; }
    CMainFrame* operator->() { return frame.get(); }

    FreshUserHive hive; // before the frame, which writes its settings when it goes
    DialogRecorder dialogs;
    std::unique_ptr<CMainFrame> frame;
};

// The program, started by Start with its arguments (the program name is put in front).
struct StartedApp {
    StartedApp() {
        app.SetDialogRunner([this](QDialog& dialog) { return dialogs.Run(dialog); });
        app.SetMessageBox(
            [this](QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text) {
                messages.push_back({icon, caption, text});
            });
    }

    explicit StartedApp(std::vector<std::string> arguments) : StartedApp() {
        Start(std::move(arguments));
    }

    // The posted open-files dialog, when there are no arguments, runs before this returns.
    void Start(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "varnex");
        app.InitInstance(arguments);
        dialogs.owner = app.MainFrame();
        QApplication::processEvents();
    }

    CMainFrame& Frame() { return *app.MainFrame(); }
    CVarnexView& View() { return Frame().View(); }

    FreshUserHive hive; // before the program, which reads and writes settings
    DialogRecorder dialogs;
    std::vector<ShownMessage> messages;
    CVarnexApp app;
};

// The bytes that row `row` of the pane shows.
inline std::string RowText(CComparePane& pane, int row) {
    const TextLine* line = pane.GetLine(row);
    if (!line) return {};
    return std::string(reinterpret_cast<const char*>(line->Text()), line->Length());
}

// Three blocks of changed lines with equal lines between them.
inline const char* kThreeBlocksLeft = "a\nb\nc\nd\ne\nf\ng\n";
inline const char* kThreeBlocksRight = "a\nB\nc\nD\ne\nF\ng\n";

} // namespace varnex::test
