// The program's version number, one for both programs.
#include "res/Version.h"

namespace varnex {

const char* ProgramVersion() {
    return VARNEX_VERSION;
}

} // namespace varnex
