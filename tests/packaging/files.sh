#!/usr/bin/env bash
# The installed desktop files pass their validators, the manual pages render without warnings,
# and every rendered icon has the size its folder names.
# Argument: source folder.
set -euo pipefail
packaging=$1/packaging
fail() { echo "FAILED: $*" >&2; exit 1; }

# Hints are advice, not faults.
report=$(desktop-file-validate "$packaging/de.tamsel.varnex.desktop" 2>&1) || fail "$report"
grep -v -e ': hint: ' -e '^$' <<<"$report" && fail "desktop entry"
appstreamcli validate --no-net "$packaging/de.tamsel.varnex.metainfo.xml" || fail "metainfo"

for page in varnex varnex-diff; do
  warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings=all -l "$packaging/man/$page.1" 2>&1 \
    >/dev/null)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  text=$(MANWIDTH=80 man -l "$packaging/man/$page.1" 2>/dev/null)
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT EXAMPLES; do
    grep -qx "$section" <<<"$text" || fail "$page.1 lacks $section"
  done
done

for folder in "$packaging"/icons/*x*; do
  size=${folder##*/}
  file "$folder/varnex.png" | grep -q "PNG image data, ${size/x/ x }," || fail "$folder/varnex.png"
done
echo "desktop entry, metainfo, manual pages and icons checked"
