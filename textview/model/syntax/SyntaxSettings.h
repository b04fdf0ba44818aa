// Syntax configurations in the settings: chosen by a file type key, read from the user's hive
// over the machine-wide one (and the settings built into the program below that).
#pragma once

#include "textview/model/syntax/SyntaxConfig.h"
#include "textview/model/syntax/SyntaxScanner.h"

#include <memory>
#include <optional>
#include <string>

namespace varnex {

// The configuration `name` under `settingsPath`. A name beginning with '.' or '#' is a file
// type key: the string value of that name under `settingsPath` names the configuration's key,
// looked up in the user's hive first. Other names are the key itself. Each value of the key is
// the user's when the user's hive has it, else the machine-wide one. Nothing when neither hive
// has the key.
std::optional<SyntaxConfig> ReadSyntaxSettings(const std::string& settingsPath,
                                               const std::string& name);

// The scanner of that configuration, or null; the catalog's source unless another is installed.
std::unique_ptr<SyntaxScanner> FindConfiguredScanner(const std::string& settingsPath,
                                                     const std::string& name);

} // namespace varnex
