// Finds the syntax colouring configuration stored under a name in a pane's settings.
#include "textview/model/syntax/SyntaxCatalog.h"

#include "textview/model/syntax/SyntaxSettings.h"

namespace varnex {

namespace {

SyntaxSource& Source() {
    static SyntaxSource source;
    return source;
}

} // namespace

std::unique_ptr<SyntaxScanner> SyntaxCatalog::Find(const std::string& settingsPath,
                                                   const std::string& name) {
    if (name.empty()) return nullptr;
    if (!Source()) return FindConfiguredScanner(settingsPath, name);
    return Source()(settingsPath, name);
}

void SyntaxCatalog::SetSource(SyntaxSource source) {
    Source() = std::move(source);
}

} // namespace varnex
