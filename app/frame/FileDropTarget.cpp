// Takes file lists dropped on the window or a pane; text dragged between the panes passes on.
#include "app/frame/FileDropTarget.h"

#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/ui/PathText.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace varnex {

FileDropTarget::FileDropTarget(QWidget& window, CTextDoubleWnd& panes, DropHandler handler)
    : QObject(&window), panes_(panes), handler_(std::move(handler)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    // A pane's viewport takes drops for its own text drags, so the list must be caught there.
    for (const Side side : kBothSides)
        panes_.Pane(side).viewport()->installEventFilter(this);
}

std::vector<DroppedItem> FileDropTarget::ItemsOf(const QMimeData& data) {
    std::vector<DroppedItem> items;
    for (const QUrl& url : data.urls())
        items.push_back({url.isLocalFile(), url.isLocalFile() ? PathBytes(url.toLocalFile()) : ""});
    return items;
}

// Over X11 the list can come back empty at the drop although the drag offered it on
// entering; it cannot change during one drag, so the entering list stands in.
std::vector<DroppedItem> FileDropTarget::DroppedItems(const QMimeData& data) const {
    std::vector<DroppedItem> items = ItemsOf(data);
    return items.empty() ? enteredItems_ : items;
}

std::optional<Side> FileDropTarget::SideOf(const QObject* watched) const {
    for (const Side side : kBothSides) {
        if (watched == panes_.Pane(side).viewport()) return side;
    }
    return std::nullopt;
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) return false;
    // Refusals are told after the drop, so every list is taken.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::DragEnter) enteredItems_ = ItemsOf(*drop->mimeData());
    if (type == QEvent::Drop) handler_(DroppedItems(*drop->mimeData()), SideOf(watched));
    return true;
}

} // namespace varnex
