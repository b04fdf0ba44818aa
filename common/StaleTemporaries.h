// The temporary files a hive's writers make, and the removal of those whose writer is gone.
#pragma once

#include <string>
#include <sys/types.h>

namespace varnex {

// "<target>.tmp.<pid>": the file the writer `writer` fills before renaming it over `target`.
std::string TemporaryPath(const std::string& target, pid_t writer);

// Removes the temporary files of `target` whose writer no longer runs (killed before its
// rename). Files of other names, and those of running processes, are left alone.
void RemoveStaleTemporaries(const std::string& target);

} // namespace varnex
