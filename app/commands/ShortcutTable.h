// The main window's keyboard shortcuts: which key runs which command.
#pragma once

#include <QKeyCombination>

#include <vector>

namespace varnex {

struct ShortcutEntry {
    QKeyCombination key;
    int id;
};

const std::vector<ShortcutEntry>& MainShortcutTable();

} // namespace varnex
