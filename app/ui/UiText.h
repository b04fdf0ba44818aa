// Texts of the string table as Qt strings, with a file path put in for their "%s".
#pragma once

#include "res/StringTable.h"

#include <QString>

namespace varnex {

inline QString UiText(int id) {
    return QString::fromStdString(LoadString(id));
}

// The text of `id` with `path` in place of its "%s"; the path is never read as a format.
inline QString UiTextWithPath(int id, const QString& path) {
    return UiText(id).replace(QStringLiteral("%s"), path);
}

} // namespace varnex
