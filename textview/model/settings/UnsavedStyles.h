// The font and styles a save could not store, kept for this process so that re-reads keep them.
#pragma once

#include "textview/model/settings/PaneResources.h"

#include <string>

namespace varnex {

// The user's choice stays in effect until the program ends even when the hive cannot take it:
// whatever reads the group's settings again (a new comparison's styler) gets it laid over the
// stored values.
class UnsavedStyles {
public:
    // Keeps the group's font and styles as the ones of `path`.
    static void Keep(const PaneResources& group, const std::string& path);
    // `path` was saved: the hive holds its values.
    static void Forget(const std::string& path);
    // Lays what is kept for `path` over `group`, as a load does; false when nothing is kept.
    static bool ApplyTo(PaneResources& group, const std::string& path);
};

} // namespace varnex
