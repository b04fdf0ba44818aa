#!/usr/bin/env bash
# varnex-diff under a real git, configured as the README says: as difftool and as external
# diff, on paths with blanks, an added file and an unmerged path.
# Argument: the program varnex-diff.
set -euo pipefail
tool=$1
fail() { echo "FAILED: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A git of its own: no settings of the machine or the user, fixed names, no pager.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" GIT_CONFIG_NOSYSTEM=1
export GIT_AUTHOR_NAME=Test GIT_AUTHOR_EMAIL=test@example.invalid
export GIT_COMMITTER_NAME=Test GIT_COMMITTER_EMAIL=test@example.invalid
export GIT_PAGER=cat PAGER=cat LC_ALL=C.UTF-8 COLUMNS=60 PATH="$(dirname "$tool"):$PATH"
unset GIT_DIR GIT_WORK_TREE GIT_EXTERNAL_DIFF GIT_DIFF_OPTS NO_COLOR
mkdir -p "$HOME" "$scratch/my repo"
cd "$scratch/my repo"
git init -q -b main

mkdir "sub dir"
printf 'eins\nzwei\ndrei\n' >"sub dir/notes one.txt"
printf 'alpha\nbeta\n' >plain.txt
printf 'gemeinsam\n' >conflict.txt
git add . && git commit -q -m first
printf 'eins\nzwo\ndrei\n' >"sub dir/notes one.txt"
printf 'alpha\nbeta\ngamma\n' >plain.txt
chmod a-w plain.txt

# difftool, with the README's two lines; git hands over a temporary file and the work tree file.
git config difftool.varnex-diff.cmd 'varnex-diff -1:"a/$MERGED" -2:"b/$MERGED" "$LOCAL" "$REMOTE"'
git config diff.tool varnex-diff
git difftool -y >"$scratch/difftool.out" 2>&1 || fail "git difftool: $(cat "$scratch/difftool.out")"
out=$(cat "$scratch/difftool.out")
grep -q '^a/sub dir/notes one.txt  *b/sub dir/notes one.txt' <<<"$out" ||
  fail "difftool titles: $out"
grep -q '^2 zwei  *| 2 zwo$' <<<"$out" || fail "difftool changed row: $out"
grep -q '^  *> 3 gamma$' <<<"$out" || fail "difftool inserted row: $out"

# The external diff, by variable and by setting: every changed path is compared, so git went on
# after the first.
out=$(GIT_EXTERNAL_DIFF=varnex-diff git diff -- plain.txt) || fail "git diff with GIT_EXTERNAL_DIFF"
grep -q '^a/plain.txt  *b/plain.txt' <<<"$out" || fail "external diff titles: $out"
grep -q '> 3 gamma$' <<<"$out" || fail "GIT_EXTERNAL_DIFF row: $out"
git config diff.external varnex-diff
out=$(git diff) || fail "git diff with the external diff"
grep -q '^a/plain.txt  *b/plain.txt' <<<"$out" || fail "external diff first path: $out"
grep -q '^a/sub dir/notes one.txt' <<<"$out" || fail "external diff second path: $out"
grep -q '^2 zwei  *| 2 zwo$' <<<"$out" || fail "external diff changed row: $out"

# An added file: git hands over /dev/null for the old side.
printf 'neu\n' >"new file.txt" && git add "new file.txt"
out=$(git diff --cached) || fail "git diff --cached"
grep -q '^/dev/null  *b/new file.txt' <<<"$out" || fail "added file: $out"

# An unmerged path: against the index git passes the path alone.
chmod u+w plain.txt
git commit -q -a -m second
git checkout -q -b other HEAD~1
printf 'anders\n' >conflict.txt && git commit -q -a -m other
git checkout -q main
printf 'hier\n' >conflict.txt && git commit -q -a -m here
git merge -q other >/dev/null 2>&1 && fail "the merge should conflict"
out=$(git diff --cached -- conflict.txt) || fail "git diff of an unmerged path"
grep -q '^\* Nicht zusammengeführt: conflict.txt$' <<<"$out" || fail "unmerged path: $out"
echo "git difftool and git's external diff checked"
