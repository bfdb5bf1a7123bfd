#!/usr/bin/env bash
# Replays every seed and regression input through its fuzz target, then
# fuzzes the RTF reader briefly. Any crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
passed=0
for dir in fuzz/corpus/*/; do
  target=$(basename "$dir")
  bin=build-fuzz/bin/fuzz_$target
  [ -x "$bin" ] || { echo "fuzz: $bin is missing"; exit 1; }
  inputs=("$dir"*)
  [ -d "fuzz/regressions/$target" ] && inputs+=(fuzz/regressions/"$target"/*)
  "$bin" -runs=0 "${inputs[@]}" >/dev/null 2>&1 || { echo "fuzz: $target fails on its corpus"; "$bin" -runs=0 "${inputs[@]}"; exit 1; }
  passed=$((passed + 1))
done
work=$(mktemp -d)
cp fuzz/corpus/rtf/* "$work"/
build-fuzz/bin/fuzz_rtf -max_total_time="$seconds" -print_final_stats=0 "$work" >/dev/null 2>&1 \
  || { echo "fuzz: the RTF reader crashed; the input is in $(pwd)"; exit 1; }
rm -rf "$work"
echo "fuzz replay: $passed passed, 0 failed"
