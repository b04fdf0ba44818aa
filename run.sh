#!/usr/bin/env bash
# Builds Varnex (release) and starts it on two files, or on the shipped examples when none are given.
set -euo pipefail
cd "$(dirname "$0")"

if [ $# -eq 0 ]; then
  set -- examples/inventory-old.cpp examples/inventory-new.cpp
fi

tools/bootstrap.sh
cmake --preset release >/dev/null
targets=()
[ -f app/main.cpp ] && targets+=(varnex)
[ -f cli/main.cpp ] && targets+=(varnex-diff)
if [ ${#targets[@]} -eq 0 ]; then
  echo "run.sh: neither the window program nor the console tool is part of this build yet." >&2
  exit 1
fi
cmake --build --preset release --target "${targets[@]}"

gui=build/release/app/varnex
cli=build/release/cli/varnex-diff
if [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$gui" "$@"
fi
if [ -x "$gui" ]; then
  echo "run.sh: no display found (DISPLAY is not set); showing the comparison in the terminal." >&2
fi
if [ -x "$cli" ]; then
  exec "$cli" "$@"
fi
echo "run.sh: no display found and the console tool is not built." >&2
exit 1
