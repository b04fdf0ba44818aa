#!/usr/bin/env bash
# Renders the program icon res/icons/varnex.svg into the PNG sizes of the hicolor theme under
# packaging/icons/. The PNGs are committed, so building and installing need no renderer; run
# this again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null; then
  echo "render-icons: rsvg-convert is missing; install the Debian package librsvg2-bin." >&2
  exit 1
fi

for size in 16 32 48 64 128 256; do
  folder="packaging/icons/${size}x${size}"
  mkdir -p "$folder"
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$folder/varnex.png" res/icons/varnex.svg
  echo "render-icons: $folder/varnex.png"
done
