// Takes file lists dropped on the window or a pane; text dragged between the panes passes on.
#pragma once

#include "app/compare/FileDrop.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QMimeData;

namespace varnex {

class CTextDoubleWnd;

class FileDropTarget : public QObject {
public:
    // `side` is the pane the list was dropped on, none for the rest of the window.
    using DropHandler =
        std::function<void(const std::vector<DroppedItem>& items, std::optional<Side> side)>;

    FileDropTarget(QWidget& window, CTextDoubleWnd& panes, DropHandler handler);

    // The entries of a dropped uri-list, paths as bytes.
    static std::vector<DroppedItem> ItemsOf(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<DroppedItem> DroppedItems(const QMimeData& data) const;
    std::optional<Side> SideOf(const QObject* watched) const;

    CTextDoubleWnd& panes_;
    DropHandler handler_;
    std::vector<DroppedItem> enteredItems_;
};

} // namespace varnex
