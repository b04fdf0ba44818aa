// Finds the syntax colouring configuration stored under a name in a pane's settings.
#include "textview/model/SyntaxCatalog.h"

namespace varnex {

namespace {

SyntaxSource& Source() {
    static SyntaxSource source;
    return source;
}

} // namespace

std::unique_ptr<SyntaxScanner> SyntaxCatalog::Find(const std::string& settingsPath,
                                                   const std::string& name) {
    if (!Source() || name.empty()) return nullptr;
    return Source()(settingsPath, name);
}

void SyntaxCatalog::SetSource(SyntaxSource source) {
    Source() = std::move(source);
}

} // namespace varnex
