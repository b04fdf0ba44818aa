// The tab width in columns, one value for the whole process, shared by every pane.
#include "textview/model/settings/TabWidth.h"

namespace varnex {

namespace {

int currentWidth = TabWidth::kDefault;

} // namespace

int TabWidth::Get() {
    return currentWidth;
}

bool TabWidth::Set(int columns) {
    if (columns < kMin || columns > kMax) return false;
    currentWidth = columns;
    return true;
}

int TabWidth::FromStored(std::int64_t value) {
    return value < kMin || value > kMax ? kDefault : static_cast<int>(value);
}

} // namespace varnex
