#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 60), growing its corpus
# in build-fuzz/corpus/. Crashes are written to build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quillwright_install_deps
seconds=${1:-60}
./scripts/fuzz-build.sh >/dev/null
mkdir -p build-fuzz/crashes
for dir in fuzz/corpus/*/; do
  target=$(basename "$dir")
  work=build-fuzz/corpus/$target
  mkdir -p "$work"
  cp -n "$dir"* "$work"/ 2>/dev/null || true
  echo "== fuzz_$target for ${seconds}s"
  build-fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -artifact_prefix=build-fuzz/crashes/"$target"- \
    -print_final_stats=1 "$work" 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' || true
done
