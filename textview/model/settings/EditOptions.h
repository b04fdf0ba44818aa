// The editor option word, one value for the whole process, shared by every pane.
#pragma once

#include <cstdint>

namespace varnex {

class EditOptions {
public:
    // The options the pane acts on, with the texts of their check boxes.
    static constexpr std::uint32_t kVirtualDisplay = 0x1;      // "&Virtuelle Darstellung"
    static constexpr std::uint32_t kLineSelection = 0x2;       // "&Linienweise markieren"
    static constexpr std::uint32_t kInsertBeforeCaret = 0x4;   // "Vor &Cursor einfügen"
    static constexpr std::uint32_t kBracketSearch = 0x8;       // "Nach Klammern suchen"
    static constexpr std::uint32_t kMarkToLineEnd = 0x200;     // "Marken bis zum Zeilenende"
    static constexpr std::uint32_t kLineNumbers = 0x400;       // "Zeilennummern anzeigen"
    static constexpr std::uint32_t kBracketRange = 0x800;      // "Klammern bereichsweise markieren"
    static constexpr std::uint32_t kStopAtOthers = 0x1000;     // "Auch diversen Zeichen anhalten"
    static constexpr std::uint32_t kStopAtRunStart = 0x2000;   // "Nur am Beginn eines Bereichs …"
    static constexpr std::uint32_t kStopAtCaseChange = 0x4000; // "Auch Groß/Kleinübergängen …"
    static constexpr std::uint32_t kUnderscoreSeparates =
        0x8000; // "Das '_' nicht als Buchstaben …"
    static constexpr std::uint32_t kWordMarkingAvailable = 0x80000;
    static constexpr std::uint32_t kWordMarkingMode = 0x300000; // a WordMarkMode, shifted
    static constexpr int kWordMarkingShift = 20;
    // Set by every change; a pane that closes while it is set saves the options.
    static constexpr std::uint32_t kChanged = 0x80000000u;

    static std::uint32_t Get();
    // Replaces the bits chosen by `mask` and marks the options changed; returns the old word.
    static std::uint32_t Set(std::uint32_t value, std::uint32_t mask);
    // Takes a stored "Flags" word. The changed marker, the two host-owned bits 0x40000 and
    // 0x80000 and, while word marking is unavailable, the marking mode keep their values.
    static void Load(std::uint32_t stored);
    // The host offers word marking for this session; not a stored choice, so nothing changed.
    static void SetWordMarkingAvailable(bool available);
    static bool Changed() { return (Get() & kChanged) != 0; }
    // Something saved with the options (a text register) changed.
    static void MarkChanged() { Set(0, 0); }
    static void ClearChanged();
};

} // namespace varnex
