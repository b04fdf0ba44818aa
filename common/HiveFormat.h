// A whole hive as text in the registry export syntax, and back.
//
// The file starts with "Windows Registry Editor Version 5.00"; each key with values, and each
// key without sub-keys, is a section "[HKEY_CURRENT_USER\Path\To\Key]" followed by its values:
//   "Name"="text"            a string of printable ASCII (\\ and \" escaped), zero-terminated
//   @="text"                 the key's default value
//   "Name"=dword:0000002a    a 32-bit number
//   "Name"=hex:01,02         binary data
//   "Name"=hex(7):61,00,00   any other type by number (here a multi-string) or any string that
//                            is not plain ASCII with exactly one terminator, byte by byte
// Value names outside printable ASCII use \xHH; key names use %HH, also for '%', '\' and a
// leading '-'. Lines starting with ';' are comments; "[-Key]" and "Name"=- (deletions) are
// skipped. A key deeper than kMaxKeyDepth below its hive is a fault. A file saved as UTF-16LE
// (marked FF FE, as real exports are) is read as Windows-1252 text, its string data given as hex
// bytes too; characters that Windows-1252 lacks become '?'.
#pragma once

#include "common/HiveKey.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace varnex {

inline constexpr std::string_view kHiveFileHeader = "Windows Registry Editor Version 5.00";

struct HiveParseResult {
    bool ok = true;
    std::size_t errorLine = 0; // 1-based line of the first fault when not ok
    HiveKey root;              // nameless; its sub-keys are the hive names ("HKEY_CURRENT_USER")
};

// Reads a hive file's text. Empty text is an empty hive; anything that does not follow the
// syntax (also a file cut off in the middle of a line) is a fault.
HiveParseResult ParseHive(std::string_view text);

// Writes the tree below the nameless `root` so that ParseHive gives back the same tree.
std::string FormatHive(const HiveKey& root);

} // namespace varnex
