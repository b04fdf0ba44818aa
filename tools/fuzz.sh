#!/usr/bin/env bash
# Builds the fuzz preset and runs each libFuzzer harness for SECONDS on a copy of its seed corpus
# (tests/fuzz/corpus/NAME/, left unchanged). Exits non-zero when a harness finds a crash, a leak,
# a timeout or runs out of memory; its input and log stay in build/fuzz/fuzz-runs/NAME/.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 1 ] || ! [[ $1 =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: tools/fuzz.sh SECONDS" >&2
  exit 2
fi
seconds=$1
harnesses=(hive options engine)
# The longest input each harness is given. The engine's character pass has its limits at
# 4096-byte changed blocks and 2048-byte lines, which libFuzzer's default never reaches.
declare -A max_len=([hive]=4096 [options]=4096 [engine]=16384)

tools/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# The value libFuzzer's final statistics give for `name`.
stat_of() {
  sed -n "s/^stat::$1: *//p" "$2" | tail -n 1
}

failed=()
for name in "${harnesses[@]}"; do
  run=build/fuzz/fuzz-runs/$name
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp tests/fuzz/corpus/"$name"/* "$run/corpus/"
  status=0
  UBSAN_OPTIONS=print_stacktrace=1 build/fuzz/tests/fuzz/fuzz_"$name" \
    -max_total_time="$seconds" -max_len="${max_len[$name]}" -timeout=2 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$run/" "$run/corpus" >"$run/log" 2>&1 || status=$?
  summary="fuzz_$name: $(stat_of number_of_executed_units "$run/log") runs,"
  summary+=" $(stat_of average_exec_per_sec "$run/log") exec/s,"
  summary+=" corpus $(find "$run/corpus" -type f | wc -l) files,"
  summary+=" slowest unit $(stat_of slowest_unit_time_sec "$run/log") s"
  if [ "$status" -eq 0 ]; then
    echo "$summary: nothing found"
  else
    echo "$summary: FAILED (exit $status), see $run/log"
    grep -m 1 -E '^==[0-9]+==|SUMMARY|ERROR: libFuzzer|runtime error' "$run/log" || tail -n 5 "$run/log"
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
