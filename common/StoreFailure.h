// Why the settings store could not write a hive: the file and the system's reason.
#pragma once

#include <optional>
#include <string>

namespace varnex {

struct StoreFailure {
    std::string path; // the file that was to be written
    int error = 0;    // errno
};

// The outcome of saving a group of settings: stored, or why not.
struct StoreResult {
    std::optional<StoreFailure> failure;

    explicit operator bool() const { return !failure; }
};

} // namespace varnex
