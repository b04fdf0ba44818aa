#!/usr/bin/env bash
# The bash completion offers each program's options, the ones its --help lists, and file names.
# Arguments: the completion script, the programs varnex and varnex-diff.
set -euo pipefail
script=$1
fail() { echo "FAILED: $*" >&2; exit 1; }
# shellcheck source=/dev/null
source "$script"

# What completing the last word of `line` replies, one reply a line.
replies() {
  COMP_LINE=$1 COMP_POINT=${#1}
  read -ra COMP_WORDS <<<"$1"
  [[ $1 == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _varnex_complete "${COMP_WORDS[0]}"
  printf '%s\n' "${COMPREPLY[@]}"
}

# The options in the first column of --help, cut before their argument: -1:<text> gives -1:.
help_options() {
  "$1" --help | awk -F '  +' '/^  -/ { print $2 }' | tr ',' '\n' | sed 's/^ *//; s/<.*//'
}

# Either names the other's start, as -0 and -0:, or --color= and --color=auto.
related() { [[ $1 == "$2"* || $2 == "$1"* ]]; }

for program in "$2" "$3"; do
  name=$(basename "$program")
  mapfile -t offered < <(replies "$name -")
  mapfile -t listed < <(help_options "$program")
  [ ${#listed[@]} -gt 5 ] || fail "$name --help lists ${#listed[@]} options"
  for option in "${listed[@]}"; do
    found=no
    for word in "${offered[@]}"; do related "$option" "$word" && found=yes; done
    [ $found = yes ] || fail "$name: $option is listed by --help but not completed"
  done
  for word in "${offered[@]}"; do
    found=no
    for option in "${listed[@]}"; do related "$option" "$word" && found=yes; done
    [ $found = yes ] || fail "$name: $word is completed but not listed by --help"
  done
done

# bash splits words at "=", so a reply replaces only what follows it.
reply=$(replies 'varnex-diff --color=al')
[ "$reply" = always ] || fail "--color=al gives $reply"
[ "$(replies 'varnex -D' | tr '\n' ' ')" = "-DL -DC -DS " ] || fail "varnex -D"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/a folder" && touch "$scratch/a file.txt"
cd "$scratch"
reply=$(replies 'varnex-diff -L a' | sort | tr '\n' '|')
[ "$reply" = "a file.txt|a folder|" ] || fail "file names: $reply"
echo "completions of varnex and varnex-diff checked"
