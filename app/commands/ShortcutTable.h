// The main window's keyboard shortcuts: which key runs which command.
#pragma once

#include "res/CommandId.h"

#include <QKeyCombination>

#include <vector>

namespace varnex {

struct ShortcutEntry {
    QKeyCombination key;
    CommandId id;
};

const std::vector<ShortcutEntry>& MainShortcutTable();

} // namespace varnex
