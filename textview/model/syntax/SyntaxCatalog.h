// Finds the syntax colouring configuration stored under a name in a pane's settings.
#pragma once

#include "textview/model/syntax/SyntaxScanner.h"

#include <functional>
#include <memory>
#include <string>

namespace varnex {

// Reads the configuration `name` under the pane's settings path and returns its scanner, or
// null when there is no such configuration.
using SyntaxSource = std::function<std::unique_ptr<SyntaxScanner>(const std::string& settingsPath,
                                                                  const std::string& name)>;

class SyntaxCatalog {
public:
    // Asks the installed source, else reads the configuration from the settings
    // (FindConfiguredScanner); an empty name is never a configuration.
    static std::unique_ptr<SyntaxScanner> Find(const std::string& settingsPath,
                                               const std::string& name);
    // Installs the reader of configurations for the whole process; an empty one brings back
    // the settings.
    static void SetSource(SyntaxSource source);
};

} // namespace varnex
