// File paths between the bytes the engine opens and the text the user sees and edits.
//
// A path is bytes, and nothing forces them to be UTF-8. PathText decodes it losslessly: each
// byte that is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte, which
// PathBytes turns back into that byte. So a path can pass through text fields, lists and the
// settings and still name the same file. PathDisplayText is for titles and messages only.
#pragma once

#include <QString>

#include <string>

namespace varnex {

QString PathText(const std::string& path);
std::string PathBytes(const QString& text);
// The path with every byte that is not valid UTF-8 shown as U+FFFD.
QString PathDisplayText(const std::string& path);

} // namespace varnex
