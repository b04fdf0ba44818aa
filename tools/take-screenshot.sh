#!/usr/bin/env bash
# Takes the README's screenshot: varnex comparing the two files in examples/ on a virtual
# X display, with settings of its own, saved as docs/images/varnex-window.png.
# Optional argument: the program (default: the release build, else the debug build).
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-}
if [ -z "$program" ]; then
  for candidate in build/release/app/varnex build/debug/app/varnex; do
    [ -x "$candidate" ] && program=$candidate && break
  done
fi
if [ -z "$program" ] || [ ! -x "$program" ]; then
  echo "take-screenshot: build varnex first (cmake --build --preset release --target varnex)." >&2
  exit 1
fi

missing=()
for tool in Xvfb:xvfb xdotool:xdotool xwd:x11-apps xwdtopnm:netpbm pnmtopng:netpbm; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "take-screenshot: missing tools; install the Debian packages: ${missing[*]}" >&2
  exit 1
fi

# The window's size on the picture, and a display number unlikely to be in use.
width=1100 height=640 display=:78
output=docs/images/varnex-window.png

scratch=$(mktemp -d)
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" ${window:+"$window"} 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display TAMSEL_USER_HIVE="$scratch/user.reg"
export TAMSEL_MACHINE_HIVE="$scratch/machine.reg"
export XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

"$program" -J examples/inventory-old.cpp examples/inventory-new.cpp &
window=$!
id=$(xdotool search --sync --onlyvisible --pid "$window" | head -n 1)
xdotool windowmove "$id" 0 0 windowsize --sync "$id" "$width" "$height"
sleep 1 # lets the panes repaint at the new size
xwd -id "$id" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$output"
echo "take-screenshot: $output"
