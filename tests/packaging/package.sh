#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its name, file list and dependencies,
# and runs the programs unpacked from it, far from the build.
# Arguments: build folder, source folder, project version, 1 for a sanitizer build.
set -euo pipefail
build=$1 source=$2 version=$3 sanitized=$4

if [ "$sanitized" = 1 ]; then
  echo "skipped: programs linked with the sanitizers are not shipped;" \
    "the debug build checks the package"
  exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$scratch/out/varnex_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$scratch/out")"

listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in usr/bin/varnex usr/bin/varnex-diff \
  usr/share/applications/de.tamsel.varnex.desktop usr/share/metainfo/de.tamsel.varnex.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/varnex.svg \
  usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/varnex.png \
  usr/share/man/man1/varnex.1 usr/share/man/man1/varnex-diff.1 \
  usr/share/bash-completion/completions/varnex usr/share/bash-completion/completions/varnex-diff; do
  grep -qx "\./$file" <<<"$listing" || fail "the package lacks /$file"
done
grep -v -e '/$' -e '^\./usr/bin/' -e '^\./usr/share/' <<<"$listing" &&
  fail "files outside /usr/bin and /usr/share"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libpcre2-8-0 \
  qt6-qpa-plugins libqt6svg6; do
  grep -qxF "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for program in varnex varnex-diff; do
  if strings "$root/usr/bin/$program" | grep -F -e "$source" -e "$build"; then
    fail "$program names a folder of the build"
  fi
done

# The unpacked programs, with no display and no settings of the user.
export HOME="$scratch/home" TAMSEL_USER_HIVE="$scratch/user.reg"
export TAMSEL_MACHINE_HIVE="$scratch/machine.reg"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM NO_COLOR GIT_DIFF_PATH_TOTAL
for program in varnex varnex-diff; do
  answer=$("$root/usr/bin/$program" --version) || fail "$program --version failed"
  [ "$answer" = "$program $version" ] || fail "$program --version: $answer"
done

printf 'eins\nzwei\ndrei\n' >"$scratch/links.txt"
printf 'eins\nzwo\ndrei\nvier\n' >"$scratch/rechts.txt"
status=0
COLUMNS=41 "$root/usr/bin/varnex-diff" -L -1:alt -2:neu "$scratch/links.txt" "$scratch/rechts.txt" \
  >"$scratch/out.txt" || status=$?
[ "$status" = 1 ] || fail "exit status $status for differing files"
cat >"$scratch/expected.txt" <<'TEXT'
alt                   neu
1 eins                1 eins
2 zwei              | 2 zwo
3 drei                3 drei
                    > 4 vier
TEXT
# Trailing blanks pad the titles; they are not what is checked here.
sed 's/ *$//' "$scratch/out.txt" | diff -u "$scratch/expected.txt" - ||
  fail "the comparison printed differs"
echo "package $(basename "$deb") checked"
