#!/usr/bin/env bash
# Measures typing and opening on synthetic scripts of several sizes, for our
# document window, a bare QTextEdit (the floor) and a QPlainTextEdit with a
# QSyntaxHighlighter (the peer), each in a process of its own. Prints the
# figures and the ratios side by side.
#   ./bench.sh            sizes 10 KB, 100 KB, 1 MB, 5 MB
#   ./bench.sh SIZE...    sizes in bytes
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quillwright_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLWRIGHT_BENCH=ON >/dev/null
cmake --build build -j"$(nproc)" --target quillwright_bench >/dev/null
export QT_QPA_PLATFORM=offscreen
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(10000 100000 1000000 5000000)
bin=build/bin/quillwright_bench
field() { sed -E "s/.*$1=([0-9.]+).*/\1/" <<<"$2"; }
printf "%-9s | %-23s | %-23s | %-23s | %-12s | %-25s\n" "size" "keystroke ms ours" "floor (QTextEdit)" \
  "peer (highlighter)" "open ms" "peak MB ours/floor/peer"
printf "%-9s | %-23s | %-23s | %-23s | %-12s | %-25s\n" "" "median / p95" "median / p95" "median / p95" "ours/floor" ""
for size in "${sizes[@]}"; do
  keys=60
  [ "$size" -ge 1000000 ] && keys=20
  ours=$("$bin" ours "$size" "$keys")
  floor=$("$bin" floor "$size" "$keys")
  peer=$("$bin" peer "$size" "$keys")
  printf "%-9s | %9s / %-11s | %9s / %-11s | %9s / %-11s | %5s/%-6s | %7.1f / %6.1f / %6.1f\n" "$size" \
    "$(field median_ms "$ours")" "$(field p95_ms "$ours")" \
    "$(field median_ms "$floor")" "$(field p95_ms "$floor")" \
    "$(field median_ms "$peer")" "$(field p95_ms "$peer")" \
    "$(printf %.0f "$(field open_ms "$ours")")" "$(printf %.0f "$(field open_ms "$floor")")" \
    "$(echo "$(field peak_kb "$ours") / 1024" | bc -l)" "$(echo "$(field peak_kb "$floor") / 1024" | bc -l)" \
    "$(echo "$(field peak_kb "$peer") / 1024" | bc -l)"
  printf "%-9s   ratios: keystroke median ours/floor %.1f, p95 ours/peer %.1f, open ours/floor %.1f\n" "" \
    "$(echo "$(field median_ms "$ours") / $(field median_ms "$floor")" | bc -l)" \
    "$(echo "$(field p95_ms "$ours") / $(field p95_ms "$peer")" | bc -l)" \
    "$(echo "$(field open_ms "$ours") / $(field open_ms "$floor")" | bc -l)"
done
