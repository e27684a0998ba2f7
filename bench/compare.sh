#!/usr/bin/env bash
# Runs the program and the bare comparison window ("floor") alternately under
# Xvfb and prints, for each figure, the median of each and the median of the
# ratios program/floor.
#
#   bench/compare.sh [BUILD_DIR] [PAIRS]      (defaults: build, 5)
#
# Each run lasts 310 ticks (31 s): start-up to the first displays, peak
# resident memory, CPU seconds, the timer's period and the ticks in 30 s.
set -euo pipefail
build=${1:-build}
pairs=${2:-5}
program=$build/window/pied-a-coulisse
floor=$build/bench/bench-floor
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display XDG_RUNTIME_DIR=$work/runtime ORPHY_SOURCE=simulation
mkdir -m 0700 "$work/runtime"

# run NAME BINARY: one run; appends "startup_ms rss_kb cpu_s median_ms p99_ms ticks30" to NAME.
run() {
  local start
  start=$(date +%s%N)
  PIED_BENCH_TICKS=310 /usr/bin/time -f "resource %M %U %S" "$2" 2>"$work/err" >/dev/null
  local startup rss cpu ticks median p99
  startup=$(awk -v start="$start" '/^first-displays-ns/ { printf "%.1f", ($2 - start) / 1e6 }' "$work/err")
  read -r rss cpu < <(awk '/^resource/ { printf "%d %.2f\n", $2, $3 + $4 }' "$work/err")
  ticks=$(awk '/^interval-us/ { n++; elapsed += $2 / 1e6; if (elapsed < 30) t = n + 1 } END { print t }' "$work/err")
  awk '/^interval-us/ { printf "%.3f\n", $2 / 1000 }' "$work/err" | sort -g >"$work/gaps"
  median=$(awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }' "$work/gaps")
  p99=$(awk '{ v[NR] = $1 } END { print v[int(NR * 0.99)] }' "$work/gaps")
  echo "$startup $rss $cpu $median $p99 $ticks" >>"$work/$1"
}

echo "warm-up…" >&2
run warm "$program"; run warm "$floor"
for i in $(seq "$pairs"); do
  echo "pair $i/$pairs…" >&2
  run program "$program"
  run floor "$floor"
done

# median of column C of file F
median() { awk -v c="$2" '{print $c}' "$1" | sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
ratio_median() {
  paste -d' ' "$work/program" "$work/floor" |
    awk -v c="$1" '{ if ($(c+6) > 0) print $c / $(c+6) }' | sort -g |
    awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'
}

printf '%-34s %12s %12s %10s\n' figure program floor ratio
names=("start-up to first displays (ms)" "peak resident memory (KiB)" "CPU over 310 ticks (s)"
       "tick interval, median (ms)" "tick interval, 99th pct (ms)" "ticks in 30 s")
for c in 1 2 3 4 5 6; do
  printf '%-34s %12s %12s %10.3f\n' "${names[$((c - 1))]}" "$(median "$work/program" $c)" \
    "$(median "$work/floor" $c)" "$(ratio_median $c)"
done
