// File paths between the bytes the engine opens and the text the user sees and edits.
#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace varnex {

inline std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

inline QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace varnex
