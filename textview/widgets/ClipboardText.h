// A pane's bytes as clipboard and drag text, and back: each byte as Windows-1252 shows it.
#pragma once

#include <QString>

#include <string>

namespace varnex {

// The bytes as text; the pane's "\n" becomes the platform's line break.
QString BytesToText(const std::string& bytes);
// The text as the pane's bytes, "\n" between lines; characters Windows-1252 lacks become '?'.
std::string TextToBytes(const QString& text);

} // namespace varnex
