#!/usr/bin/env bash
# Runs every fuzz target of a libFuzzer build (make fuzz builds one) for a bounded time, as many at
# once as there are cores, and fails on the first crash, sanitizer report, failed check or hang.
#   fuzz/run.sh [BUILD_DIR] [SECONDS_EACH] [TARGET ...]
# The committed seeds in fuzz/corpus/TARGET are only read; what the fuzzer finds that reaches new
# code is kept in BUILD_DIR/fuzz-corpus/TARGET, so that a later run goes on from there. An input
# that fails is left in BUILD_DIR/fuzz-findings/ and replays with TARGET_fuzzer FILE.
set -euo pipefail

build=${1:-build/fuzz}
seconds=${2:-30}
shift $(($# < 2 ? $# : 2))
here=$(cd "$(dirname "$0")" && pwd)
corpus=$build/fuzz-corpus
findings=$build/fuzz-findings
logs=$build/fuzz-logs
mkdir -p "$corpus" "$findings" "$logs"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/fuzz/*_fuzzer; do
    name=$(basename "$program")
    targets+=("${name%_fuzzer}")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz: build them with make fuzz" >&2; exit 2; }

run_one() {
  local name=$1
  mkdir -p "$corpus/$name"
  "$build/fuzz/${name}_fuzzer" "$corpus/$name" "$here/corpus/$name" -dict="$here/kana.dict" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" >"$logs/$name.log" 2>&1
}

# As many targets at a time as there are cores; each runs on one.
failed=()
running=0
for name in "${targets[@]}"; do
  run_one "$name" & pids[$!]=$name
  running=$((running + 1))
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n -p done || failed+=("${pids[$done]}")
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n -p done || failed+=("${pids[$done]}")
  running=$((running - 1))
done

printf '%-34s %12s %9s %8s\n' target executions exec/s corpus
for name in "${targets[@]}"; do
  stat() { sed -n "s/^stat::$1: *//p" "$logs/$name.log" | tail -n 1; }
  printf '%-34s %12s %9s %8s\n' "$name" "$(stat number_of_executed_units)" \
    "$(stat average_exec_per_sec)" "$(find "$corpus/$name" -type f | wc -l)"
done
if [ ${#failed[@]} -gt 0 ]; then
  for name in "${failed[@]}"; do
    echo "FINDING in $name (log: $logs/$name.log):" >&2
    grep -E 'ERROR|check failed|SUMMARY|Test unit written' "$logs/$name.log" | head -n 20 >&2
  done
  exit 1
fi
echo "every fuzz target ran ${seconds} s without a finding"
