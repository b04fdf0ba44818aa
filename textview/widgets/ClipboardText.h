// A pane's bytes as clipboard and drag text, and back, as the pane's encoding shows them.
#pragma once

#include "common/TextEncoding.h"

#include <QString>

#include <string>

namespace varnex {

// The bytes as text; the pane's "\n" becomes the platform's line break. In UTF-8 a byte that
// starts no sequence stands for its Windows-1252 character.
QString BytesToText(const std::string& bytes, TextEncoding encoding);
// The text as the pane's bytes, "\n" between lines: UTF-8 sequences (a lone surrogate as U+FFFD),
// or one Windows-1252 byte per character, '?' for one the table lacks (a surrogate pair is one
// character, so one '?').
std::string TextToBytes(const QString& text, TextEncoding encoding);

} // namespace varnex
