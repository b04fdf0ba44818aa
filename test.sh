#!/usr/bin/env bash
# Builds Varnex and runs every test with CTest. Optional argument: the preset (debug by default, ci for the sanitizer build).
set -euo pipefail
cd "$(dirname "$0")"
preset=${1:-debug}

tools/bootstrap.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
