// The ten text registers, one set for the whole process, kept in the settings as "Copy0".."Copy9".
#pragma once

#include <optional>
#include <string>

namespace varnex {

class TextRegisters {
public:
    static constexpr int kCount = 10;

    // The text of register `n`, or nothing for an empty register or a number out of range.
    static std::optional<std::string> Get(int n);
    // Marks the options changed, so that the register is saved with them, whatever its length.
    static void Set(int n, std::string text);
    // Takes a register as the settings kept it, without marking the options changed.
    static void Restore(int n, std::string text);
    // Registers are counted with a closing zero byte, so a one-character register can be
    // inserted: InsertText refuses only stored lengths below 2, which an empty one has.
    static int StoredLength(int n);
    static void Clear();
};

} // namespace varnex
