// The tab width in columns, one value for the whole process, shared by every pane.
#pragma once

#include <cstdint>

namespace varnex {

class TabWidth {
public:
    static constexpr int kMin = 1;
    static constexpr int kMax = 32;
    static constexpr int kDefault = 4;

    static int Get();
    // Takes `columns` when it lies in kMin..kMax; anything else is refused (false).
    static bool Set(int columns);
    // The width a stored "Tabualtor" value stands for: values outside kMin..kMax mean kDefault.
    static int FromStored(std::int64_t value);
};

} // namespace varnex
