#!/usr/bin/env bash
# Installs the Debian packages Varnex needs to build, test and run; does nothing when all are there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-svg-dev libqt6svg6
  libpcre2-dev libutf8proc-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-translations-l10n fonts-dejavu-core fonts-noto-color-emoji xvfb xauth diffutils
  dpkg-dev file desktop-file-utils appstream man-db git
  at-spi2-core python3-pyatspi xdotool
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "bootstrap: missing packages (${missing[*]}) and no sudo to install them as root." >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -e '^lock$' -e '^partial$' || true)" ]; then
  "${as_root[@]}" apt-get update -qq
fi
if ! "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  # Package lists may be stale on a machine that was set up long ago.
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
