#!/usr/bin/env bash
# The engine harness's generated seeds are the ones committed, and they still reach the character
# pass's limits: the 4096-byte block is compared by character, the 4097-byte one by line, and a
# change past column 2048 of a long line is marked by character.
# Arguments: the program varnex-diff, the source folder.
set -euo pipefail
tool=$1
source=$2
export LC_ALL=C
fail() { echo "FAILED: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bash "$source/tools/make-engine-seeds.sh" "$scratch"
for seed in "$scratch"/*; do
  cmp -s "$seed" "$source/tests/fuzz/corpus/engine/$(basename "$seed")" ||
    fail "$(basename "$seed") differs from what tools/make-engine-seeds.sh writes"
done

# The change codes --dump gives the first line after "top" of the seed's left text.
left_codes() {
  local left
  IFS= read -r -d '' left <"$scratch/$1.pair" || true
  printf '%s' "$left" >"$scratch/left"
  tail -c +$((${#left} + 2)) "$scratch/$1.pair" >"$scratch/right"
  local status=0
  "$tool" --dump "$scratch/left" "$scratch/right" >"$scratch/dump" || status=$?
  [ "$status" -eq 1 ] || fail "$1 compared with exit status $status"
  awk '/^left /{found = NR} found && NR == found + 2' "$scratch/dump"
}

codes=$(left_codes block-4096)
[[ $codes == *0* && $codes == *1* ]] || fail "block-4096 is not compared by character: $codes"
codes=$(left_codes block-4097)
[[ $codes =~ ^1+$ ]] || fail "block-4097 is not compared by line: $codes"
codes=$(left_codes long-line)
prefix=${codes%%1*}
[ "${#prefix}" -eq 2052 ] || fail "long-line's change is not found at column 2052"
echo "engine seeds: as generated, at the limits"
