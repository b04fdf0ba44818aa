#!/usr/bin/env bash
# Writes the engine harness's seeds that sit at the character pass's limits: changed blocks of
# 4096 and 4097 bytes a side, and a line longer than 2048 bytes changed past that column.
# Argument: the folder to write them to; without one, the engine's corpus.
set -euo pipefail
out=${1:-$(dirname "$0")/../tests/fuzz/corpus/engine}

# COUNT lines of WIDTH characters and a line end each, the side's WORD in every one.
lines() {
  local count=$1 width=$2 word=$3
  for ((n = 0; n < count; n++)); do
    printf '%-*.*s\n' "$width" "$width" "$n $word quick brown fox jumps over the lazy dog again and again"
  done
}

# A pair around one changed block: LEFT and RIGHT are the block's two sides.
pair() {
  printf 'top\n%s\nend\n\0top\n%s\nend\n' "$1" "$2"
}

# 64 lines of 64 bytes: exactly the limit on both sides.
pair "$(lines 64 63 left)" "$(lines 64 63 right)" >"$out/block-4096.pair"
# One byte more on the left: the block is past the limit and shown line by line.
pair "$(lines 63 63 left; lines 1 64 left)" "$(lines 64 63 right)" >"$out/block-4097.pair"

# A line of 2100 bytes whose word at column 2052 differs.
long=$(printf 'w%04d ' {1..350})
pair "$long" "${long:0:2052}W${long:2053}" >"$out/long-line.pair"
