#!/usr/bin/env bash
# A stress check of soranagi-cli in its default mode (UTF-8, line by line), to run by hand; it is
# not a test. For each cipher and direction:
#   - memory: streams STREAM_MB of lines, and a tenth of that, and checks that the peak resident
#     memory stays flat (the larger run needs at most 25% and 1 MB more than the smaller one);
#   - time: converts one line of LINE_MB, and one of a tenth of that, and checks that the time grows
#     linearly (the larger line takes less than 12 times as long; the best of three runs each).
#   bench/stress.sh [BUILD_DIR] [STREAM_MB] [LINE_MB]        (defaults: build/release 1000 200)
# The inputs are made in a fresh directory under ${TMPDIR:-/tmp}, one at a time, and removed.
set -euo pipefail

build=${1:-build/release}
stream_mb=${2:-1000}
line_mb=${3:-200}
cli=$build/cli/soranagi-cli
make_input=$build/bench/soranagi-bench-input
for tool in "$cli" "$make_input" iconv /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (make bench builds them)" >&2; exit 2; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/soranagi-stress.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Writes the converter's input for CIPHER and DIRECTION, made from CP932_BYTES of table kana, as
# lines of about 1000 bytes or, with "line", as one line: UTF-8 plain text, or the cipher text of
# it.
make_text() {
  local cipher=$1 direction=$2 cp932_bytes=$3 shape=$4
  local lines=1000
  [ "$shape" = line ] && lines=
  # shellcheck disable=SC2086
  if [ "$direction" = encrypt ]; then
    "$make_input" "$cipher" "$cp932_bytes" $lines | iconv -f CP932 -t UTF-8
  else
    "$make_input" "$cipher" "$cp932_bytes" $lines | iconv -f CP932 -t UTF-8 | "$cli" -c "$cipher" -e
  fi
}

# Makes an input of about MEGABYTES into FILE, scaled by what a one-megabyte sample becomes.
make_input_of() {
  local cipher=$1 direction=$2 megabytes=$3 shape=$4 file=$5
  local sample
  sample=$(make_text "$cipher" "$direction" 1000000 "$shape" | wc -c)
  make_text "$cipher" "$direction" $((megabytes * 1000000 * 1000000 / sample)) "$shape" >"$file"
}

# Converts FILE RUNS times; prints the seconds of the fastest run and the largest peak resident
# memory in KB. Everything must convert.
convert() {
  local cipher=$1 direction=$2 file=$3 runs=$4
  local best="" peak=0 seconds kb status
  for ((run = 0; run < runs; ++run)); do
    status=0
    /usr/bin/time -f '%e %M' -o "$work/time" "$cli" -c "$cipher" "--$direction" <"$file" \
      >/dev/null 2>"$work/err" || status=$?
    if [ "$status" -ne 0 ]; then
      echo "soranagi-cli -c $cipher --$direction failed with status $status:" >&2
      head -c 2000 "$work/err" >&2
      exit 1
    fi
    read -r seconds kb < <(tail -n 1 "$work/time")
    if [ -z "$best" ] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then best=$seconds; fi
    [ "$kb" -gt "$peak" ] && peak=$kb
  done
  echo "$best $peak"
}

failed=0
report() {  # OPERATION SHAPE MEGABYTES SECONDS KB
  awk -v op="$1" -v shape="$2" -v size="$3" -v s="$4" -v kb="$5" 'BEGIN {
    printf "%-20s %-6s %9.1f %9.2f %9.1f %10.1f\n", op, shape, size / 1e6, s, size / 1e6 / s, kb / 1024 }'
}

# Converts inputs of a tenth of MEGABYTES and of MEGABYTES in the given shape, best of RUNS each,
# reports both, and leaves their times and peak memory in small_s, small_kb, big_s and big_kb.
measure_pair() {
  local cipher=$1 direction=$2 shape=$3 megabytes=$4 runs=$5 size seconds kb
  for size in $((megabytes / 10)) "$megabytes"; do
    make_input_of "$cipher" "$direction" "$size" "$shape" "$work/input"
    read -r seconds kb < <(convert "$cipher" "$direction" "$work/input" "$runs")
    report "$cipher $direction" "$shape" "$(stat -c %s "$work/input")" "$seconds" "$kb"
    if [ "$size" = "$megabytes" ]; then
      big_s=$seconds big_kb=$kb
    else
      small_s=$seconds small_kb=$kb
    fi
    rm -f "$work/input"
  done
}

printf '%-20s %-6s %9s %9s %9s %10s\n' operation shape input_MB seconds MB/s peak_MB
summary=""
for cipher in nisendoka soroban; do
  for direction in encrypt decrypt; do
    op="$cipher $direction"
    # memory, over a stream of lines
    measure_pair "$cipher" "$direction" lines "$stream_mb" 1
    stream_small_kb=$small_kb stream_big_kb=$big_kb
    flat=$(awk -v s="$small_kb" -v b="$big_kb" 'BEGIN { print (b <= s * 1.25 + 1024) ? "flat" : "GROWS" }')
    # time, over one long line
    measure_pair "$cipher" "$direction" line "$line_mb" 3
    ratio=$(awk -v s="$small_s" -v b="$big_s" 'BEGIN { printf "%.1f", b / (s > 0.01 ? s : 0.01) }')
    linear=$(awk -v r="$ratio" 'BEGIN { print (r < 12) ? "linear" : "NOT LINEAR" }')
    [ "$flat" = flat ] && [ "$linear" = linear ] || failed=1
    summary+=$(printf '%-20s peak %.1f MB -> %.1f MB (%s); one line %s s -> %s s, x%s (%s)' "$op" \
      "$(awk -v k="$stream_small_kb" 'BEGIN { print k / 1024 }')" "$(awk -v k="$stream_big_kb" 'BEGIN { print k / 1024 }')" \
      "$flat" "$small_s" "$big_s" "$ratio" "$linear")$'\n'
  done
done
echo
printf '%s' "$summary"
[ "$failed" -eq 0 ] || { echo "the stress check failed" >&2; exit 1; }
echo "memory stays flat and time grows linearly for every cipher and direction"
