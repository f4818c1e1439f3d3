#!/usr/bin/env bash
# Times soranagi-cli against `iconv -f CP932 -t UTF-8` on the same inputs, in the same run:
# 50 MB of table kana for encryption, and the cipher text made from it for decryption, each as
# lines of about 1000 bytes (the converter's default mode) and as one text (--whole).
#   bench/compare-iconv.sh [BUILD_DIR] [MEGABYTES]
# Prints MB/s of input for both programs, their ratio (>= 1.0: the converter is no slower) and
# the converter's peak resident memory against the input size. Best of three runs each.
set -euo pipefail

build=${1:-build/release}
megabytes=${2:-50}
cli=$build/cli/soranagi-cli
make_input=$build/bench/soranagi-bench-input
for tool in "$cli" "$make_input" iconv /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (make bench builds them)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bytes=$((megabytes * 1000000))

# Seconds of the fastest of three runs, and the largest peak resident memory in KB seen.
best_of_three() {
  local input=$1; shift
  local best="" peak=0
  for _ in 1 2 3; do
    local start end seconds kb
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/rss" "$@" <"$input" >/dev/null 2>"$work/err" || true
    end=$(date +%s%N)
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", (b - a) / 1e9 }')
    kb=$(tail -n 1 "$work/rss")
    if [ -z "$best" ] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then best=$seconds; fi
    [ "$kb" -gt "$peak" ] && peak=$kb
  done
  echo "$best $peak"
}

printf '%-20s %-6s %9s %10s %10s %7s %10s\n' operation mode input_MB cli_MB/s iconv_MB/s ratio peak/input
for cipher in nisendoka soroban; do
  "$make_input" "$cipher" "$bytes" >"$work/$cipher.whole"
  "$make_input" "$cipher" "$bytes" 1000 >"$work/$cipher.lines"
  for mode in lines whole; do
    flags=(--encoding cp932 -c "$cipher")
    [ "$mode" = whole ] && flags+=(--whole)
    "$cli" "${flags[@]}" -e <"$work/$cipher.$mode" >"$work/$cipher.$mode.cipher"
    for direction in encrypt decrypt; do
      input=$work/$cipher.$mode
      [ "$direction" = decrypt ] && input=$work/$cipher.$mode.cipher
      size=$(stat -c %s "$input")
      read -r cli_seconds cli_kb < <(best_of_three "$input" "$cli" "${flags[@]}" "--$direction")
      if grep -q . "$work/err"; then echo "the converter failed on $cipher $direction $mode:" >&2; cat "$work/err" >&2; exit 1; fi
      read -r iconv_seconds _ < <(best_of_three "$input" iconv -f CP932 -t UTF-8)
      awk -v op="$cipher $direction" -v mode="$mode" -v size="$size" -v c="$cli_seconds" \
          -v i="$iconv_seconds" -v kb="$cli_kb" 'BEGIN {
        printf "%-20s %-6s %9.1f %10.1f %10.1f %7.2f %10.2f\n", op, mode, size / 1e6,
               size / 1e6 / c, size / 1e6 / i, i / c, kb * 1024 / size }'
    done
  done
done
