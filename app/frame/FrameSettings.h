// The main window's stored setting: FlatMode in the sub-key Settings of the program's key.
#pragma once

namespace varnex {

// True (flat) unless the stored value says 0.
bool ReadFlatMode();
void WriteFlatMode(bool flat);

} // namespace varnex
