#!/usr/bin/env bash
# Measures typing and opening on synthetic scripts of several sizes, for our
# document window, a bare QTextEdit (the floor) and a QPlainTextEdit with a
# QSyntaxHighlighter (the peer), each in a process of its own, and prints
# the figures and ratios side by side, then one line per goal.
#   ./bench.sh                    sizes 10 KB, 100 KB, 1 MB, 5 MB and 20 MB
#   ./bench.sh SIZE...            sizes in bytes
#   ./bench.sh --differential [N] the line-by-line change handler against the
#                                 whole-text reference on N random edit
#                                 sequences (100,000 by default), random seed
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quillwright_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLWRIGHT_BENCH=ON -DQUILLWRIGHT_TESTS=ON >/dev/null
if [ "${1:-}" = "--differential" ]; then
  cmake --build build -j"$(nproc)" --target tst_linebyline >/dev/null
  seed=$(( (RANDOM << 15) | RANDOM ))
  echo "differential run: ${2:-100000} sequences, seed $seed"
  DIFFERENTIAL_SEQUENCES="${2:-100000}" DIFFERENTIAL_SEED="$seed" build/bin/tst_linebyline \
    lineByLineHandler_matchesTheReferenceOnRandomEditSequences
  exit
fi
cmake --build build -j"$(nproc)" --target quillwright_bench >/dev/null
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.qpa.*=false"
sizes=(10000 100000 1000000 5000000 20000000)
if [ $# -gt 0 ]; then
  sizes=("$@")
fi
bin=build/bin/quillwright_bench
field() { sed -E "s/.*$1=([0-9.]+).*/\1/" <<<"$2"; }
ratio() { echo "scale=2; $1 / $2" | bc -l; }
declare -A R
echo "machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, $(uname -sr)"
printf "%-9s | %-21s | %-21s | %-21s | %-15s | %-22s\n" "size" "keystroke ms: ours" "floor (QTextEdit)" \
  "peer (highlighter)" "open ms" "peak MB"
printf "%-9s | %-21s | %-21s | %-21s | %-15s | %-22s\n" "bytes" "median / p95" "median / p95" \
  "median / p95" "ours / floor" "ours / floor / peer"
for size in "${sizes[@]}"; do
  for config in ours floor peer; do
    # A bare QTextEdit takes up to a quarter of a second a keystroke on
    # big scripts: fewer of them are enough to see it.
    keys=200
    [ "$config" = floor ] && [ "$size" -ge 1000000 ] && keys=20
    line=$("$bin" "$config" "$size" "$keys" 2>/dev/null)
    for f in median_ms p95_ms open_ms peak_kb; do
      R[$config,$size,$f]=$(field "$f" "$line")
    done
  done
  printf "%-9s | %9s / %-9s | %9s / %-9s | %9s / %-9s | %6.0f / %-6.0f | %6.1f / %6.1f / %6.1f\n" "$size" \
    "${R[ours,$size,median_ms]}" "${R[ours,$size,p95_ms]}" "${R[floor,$size,median_ms]}" \
    "${R[floor,$size,p95_ms]}" "${R[peer,$size,median_ms]}" "${R[peer,$size,p95_ms]}" \
    "${R[ours,$size,open_ms]}" "${R[floor,$size,open_ms]}" \
    "$(ratio "${R[ours,$size,peak_kb]}" 1024)" "$(ratio "${R[floor,$size,peak_kb]}" 1024)" \
    "$(ratio "${R[peer,$size,peak_kb]}" 1024)"
  printf "%-9s   ratios: median ours/floor %s, p95 ours/peer %s, open ours/floor %s\n" "" \
    "$(ratio "${R[ours,$size,median_ms]}" "${R[floor,$size,median_ms]}")" \
    "$(ratio "${R[ours,$size,p95_ms]}" "${R[peer,$size,p95_ms]}")" \
    "$(ratio "${R[ours,$size,open_ms]}" "${R[floor,$size,open_ms]}")"
done

goal() { # name value limit
  if [ "$(echo "$2 <= $3" | bc -l)" = 1 ]; then verdict=PASS; else verdict=FAIL; fi
  echo "goal $1: $2 (limit $3) $verdict"
}
has() { [ -n "${R[ours,$1,median_ms]:-}" ]; }
if has 10000 && has 5000000; then
  goal "keystroke-5MB-vs-10KB" "$(ratio "${R[ours,5000000,median_ms]}" "${R[ours,10000,median_ms]}")" 3
fi
for size in 1000000 5000000; do
  has $size && goal "keystroke-p95-vs-peer-$((size / 1000000))MB" \
    "$(ratio "${R[ours,$size,p95_ms]}" "${R[peer,$size,p95_ms]}")" 1.5
done
if has 5000000; then
  goal "open-5MB-vs-floor" "$(ratio "${R[ours,5000000,open_ms]}" "${R[floor,5000000,open_ms]}")" 3
  goal "memory-5MB-vs-floor" "$(ratio "${R[ours,5000000,peak_kb]}" "${R[floor,5000000,peak_kb]}")" 3
fi
