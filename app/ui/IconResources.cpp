// Makes sure the compiled-in icons are registered, also when they come from a static library.
#include "app/ui/IconResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the resource's initialiser where it is used, so it must be used
// outside the program's namespace.
static void RegisterIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace varnex {

void EnsureIconResources() {
    static const bool registered = (RegisterIcons(), true);
    (void)registered;
}

} // namespace varnex
