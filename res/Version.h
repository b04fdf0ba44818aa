// The program's version number, one for both programs.
#pragma once

namespace varnex {

// "major.minor.patch" as the project declares it.
const char* ProgramVersion();

} // namespace varnex
