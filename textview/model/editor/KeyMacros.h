// Texts that Ctrl with a letter, a digit or one of eleven further keys types, read from "Accel".
#pragma once

#include <array>
#include <optional>
#include <string>

namespace varnex {

class KeyMacros {
public:
    // Key codes 0x30 ('0') to 0x5A ('Z'), then the eleven further keys 0x5B to 0x65.
    static constexpr int kFirstCode = 0x30;
    static constexpr int kLastCode = 0x66;

    // Clears every macro; with a name, reads them from "<root>\<name>\Accel", machine-wide
    // when that key exists, else the user's. A name beginning with "." is first looked up as
    // a string value of the root that names the sub-key. True when macros were read.
    bool Load(const std::optional<std::string>& name, const std::string& root);

    // The macro of key `code`, or nothing.
    std::optional<std::string> Of(int code) const;
    void Set(int code, std::string text);

private:
    std::array<std::string, kLastCode - kFirstCode + 1> macros_;
};

// The key code an "Accel" value names by its first byte: 0..9, A..Z, or one of ü ö ä + - , . # ß
// < ´ (Windows-1252); nothing for other bytes.
std::optional<int> MacroKeyCode(unsigned char key);

} // namespace varnex
