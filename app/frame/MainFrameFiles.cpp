// The main window's part in the compared files: files dropped on it, and files changed on disk.
#include "app/frame/MainFrame.h"

#include "app/compare/CompareFileWatch.h"
#include "app/compare/VarnexView.h"
#include "app/frame/ChangeNotice.h"
#include "app/frame/FileDropTarget.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "res/CommandId.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varnex {

// The notice bar sits above the view, so showing it moves the panes down rather than
// covering a line of them.
QWidget* CMainFrame::BuildCentre() {
    auto* centre = new QWidget(this);
    notice_ = new ChangeNotice(centre);
    view_ = new CVarnexView(centre);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(notice_);
    layout->addWidget(view_, 1);
    return centre;
}

void CMainFrame::BuildFileHandling() {
    new FileDropTarget(*this, view_->DoublePane(),
                       [this](const std::vector<DroppedItem>& items, std::optional<Side> side) {
                           OnFilesDropped(items, side);
                       });
    fileWatch_ = new CompareFileWatch([this] { return view_->Comparing(); }, this);
    connect(fileWatch_, &CompareFileWatch::FileChanged, this, &CMainFrame::OnFileChanged);
    connect(view_, &CVarnexView::CompareEnded, this, &CMainFrame::OnComparedFiles);
    // The reload goes the way of F5, so it is refused as F5 is while a compare runs.
    connect(notice_, &ChangeNotice::ReloadRequested, this, [this] { RunCommand(kCmdReload); });
}

void CMainFrame::OnFilesDropped(const std::vector<DroppedItem>& items, std::optional<Side> side) {
    const DropDecision decision =
        DecideDrop(items, side, view_->Path(Side::Left), view_->Path(Side::Right));
    if (decision.refusal != DropRefusal::None) {
        promptPane_->setText(
            UiTextWithPath(RefusalText(decision.refusal), PathDisplayText(decision.refusedPath)));
        return;
    }
    activateWindow();
    if (openFiles_) openFiles_(decision.first, decision.second);
}

void CMainFrame::OnFileChanged(Side side, DiskChange change) {
    notice_->Show(view_->Path(side), change);
}

// Whatever the comparison now shows was read just now: an older notice no longer holds.
void CMainFrame::OnComparedFiles() {
    notice_->hide();
    fileWatch_->Watch(view_->Path(Side::Left), view_->Path(Side::Right));
}

} // namespace varnex
