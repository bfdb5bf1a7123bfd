#!/usr/bin/env bash
# Measures what a user waits for on synthetic scripts of several sizes, each
# operation until the event loop is idle after a forced repaint, for the
# program and its floors (a bare QPlainTextEdit given the same text, QSaveFile
# writing the same bytes) and peer (a QPlainTextEdit with a QSyntaxHighlighter),
# each configuration in a process of its own, and prints the figures and
# ratios side by side, then one line per goal. A figure bound by the disk
# takes turns with its floor in the same process (BENCH_DISK_ROUNDS pairs
# each, 7 by default), and its goal is the median of the pairs' ratios.
#   ./bench.sh                    sizes 10 KB, 1 MB, 5 MB and 20 MB
#   ./bench.sh SIZE...            sizes in bytes (the goals need 10 KB, 1 MB, 5 MB, 20 MB)
#   BENCH_RUNS=N ./bench.sh       each figure the median of N runs (3 by default)
#   ./bench.sh --differential [N] the line-by-line change handler against the
#                                 whole-text reference on N random edit
#                                 sequences (100,000 by default), random seed
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quillwright_install_deps
quillwright_install_deps "${QUILLWRIGHT_BENCH_PACKAGES[@]}"
# A Release tree of its own, so that a bench never rebuilds the tests' tree.
bdir=build-bench
cmake -S . -B "$bdir" -DCMAKE_BUILD_TYPE=Release -DQUILLWRIGHT_BENCH=ON -DQUILLWRIGHT_TESTS=ON \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
if [ "${1:-}" = "--differential" ]; then
  cmake --build "$bdir" -j"$(nproc)" --target tst_linebyline >/dev/null
  seed=$(( (RANDOM << 15) | RANDOM ))
  echo "differential run: ${2:-100000} sequences, seed $seed"
  DIFFERENTIAL_SEQUENCES="${2:-100000}" DIFFERENTIAL_SEED="$seed" "$bdir"/bin/tst_linebyline \
    lineByLineHandler_matchesTheReferenceOnRandomEditSequences
  exit
fi
cmake --build "$bdir" -j"$(nproc)" --target quillwright_bench quillwright >/dev/null
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.qpa.*=false"
sizes=(10000 1000000 5000000 20000000)
if [ $# -gt 0 ]; then
  sizes=("$@")
fi
bin=$bdir/bin/quillwright_bench
# Each configuration runs BENCH_RUNS times (3 by default), the runs of all
# configurations of a size taking turns, and every figure is the median of
# its runs: these machines are shared, and one slow moment should not decide
# a goal. A goal that sets the program beside another configuration takes
# the median of the ratios of runs made in the same turn (pratio), so a
# slow spell of the machine weighs on both sides of each ratio alike.
runs=${BENCH_RUNS:-3}
declare -A R
# Every name=value of a configuration's line is added to R[config,size,name].
run() { # config size
  local line
  line=$("$bin" "$1" "$2" 2>/dev/null) || true
  for pair in $line; do
    [[ $pair == *=* ]] && R[$1,$2,${pair%%=*}]+="${pair#*=} "
  done
}
v() { # config size name: the median of the runs
  local values="${R[$1,$2,$3]:-}"
  if [ -z "$values" ]; then echo nan; return; fi
  tr ' ' '\n' <<<"$values" | sed '/^$/d' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}
ratio() { # a b
  if [[ $1 == nan || $2 == nan ]]; then echo nan; else echo "scale=2; $1 / $2" | bc -l | sed 's/^\./0./'; fi
}
pratio() { # config size name config2 size2 name2: the median of the runs' ratios, run by run
  local -a a b
  read -r -a a <<<"${R[$1,$2,$3]:-}"
  read -r -a b <<<"${R[$4,$5,$6]:-}"
  local n=$((${#a[@]} < ${#b[@]} ? ${#a[@]} : ${#b[@]}))
  if [ "$n" -eq 0 ]; then echo nan; return; fi
  local i ratios=()
  for ((i = 0; i < n; i++)); do ratios+=("$(echo "scale=4; ${a[i]} / ${b[i]}" | bc -l)"); done
  ratio "$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')" 1
}

echo "machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, $(uname -sr)"
echo "each figure the median of $runs runs"
# Round by round, every size and configuration in each round: the goals that
# set one size against another, or the program against its floor, pair the
# runs of one round, made on the machine as it was then.
for ((i = 0; i < runs; i++)); do
  for size in "${sizes[@]}"; do
    for config in ours plain peer; do
      run "$config" "$size"
    done
  done
done
for ((i = 0; i < runs; i++)); do
  run longline 0
  run find 5000000
  run check 1000000
  run install 0
done

# Memory at rest in the real program under Xvfb, beside Mousepad in the same
# run: each started with a fresh HOME (no journals, no settings), with no
# file, a 1 MB and a 5 MB script, left until it is idle, then its VmRSS read.
rest_display=:$((70 + RANDOM % 20))
Xvfb "$rest_display" -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
rest_xvfb=$!
trap 'kill $rest_xvfb 2>/dev/null || true' EXIT
rest_dir=$(mktemp -d)
for size in 1000000 5000000; do
  "$bin" script "$size" "$rest_dir/$size.mod"
done
rest_rss() { # program file [field] -> VmRSS (or the field named) in KB once the program is idle
  local home pid rss
  home=$(mktemp -d)
  # shellcheck disable=SC2086
  env HOME="$home" XDG_CONFIG_HOME="$home/.config" DISPLAY="$rest_display" QT_QPA_PLATFORM=xcb \
    NO_AT_BRIDGE=1 $1 $2 >/dev/null 2>&1 &
  pid=$!
  sleep "${REST_SETTLE:-6}" # opened, coloured, checked, and the tip of the day up
  rss=$(awk "/^${3:-VmRSS}:/ {print \$2}" "/proc/$pid/status" 2>/dev/null || echo nan)
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
  echo "${rss:-nan}"
}
for ((i = 0; i < runs; i++)); do
  for file in "" 1000000 5000000; do
    path=${file:+$rest_dir/$file.mod}
    R[rest,${file:-0},ours]+="$(rest_rss "$bdir"/bin/quillwright "$path") "
    R[rest,${file:-0},mousepad]+="$(rest_rss mousepad "$path") "
  done
done
# The high-water mark of opening the 5 MB script, beside where it comes to
# rest; and five scripts of 1 MB held at once beside Mousepad given the same
# five (ours takes the first from its command line and the others as files
# dropped on its window: its command line names one file).
five=""
for n in 1 2 3 4 5; do
  "$bin" script 1000000 "$rest_dir/five$n.mod" $((100 + n))
  five+="$rest_dir/five$n.mod "
done
for ((i = 0; i < runs; i++)); do
  R[peak,5000000,ours]+="$(rest_rss "$bdir"/bin/quillwright "$rest_dir/5000000.mod" VmHWM) "
  R[rest,five,ours]+="$(REST_SETTLE=10 rest_rss "$bin rest 600" "$five") "
  R[rest,five,mousepad]+="$(REST_SETTLE=10 rest_rss mousepad "$five") "
done
rm -rf "$rest_dir"

printf "\nms until idle after a repaint (ours / floor = bare QPlainTextEdit, or QSaveFile for save)\n"
printf "%-9s | %-15s | %-8s | %-15s | %-8s | %-8s | %-8s | %-8s | %-8s | %-15s | %-15s | %-8s | %-16s\n" \
  "bytes" "open" "first" "key med / p95" "peer p95" "snapshot" "undo1" "undo3" "paste" \
  "cut / selall+del" "floor selall" "save/floor" "peak MB / floor"
for size in "${sizes[@]}"; do
  printf "%-9s | %6.1f / %-6.1f | %8.2f | %6.3f / %-6.3f | %8.3f | %8.2f | %8.2f | %8.2f | %8.1f | %6.1f / %-6.1f | %15.1f | %s / %s | %6.1f / %-6.1f\n" \
    "$size" "$(v ours "$size" open_ms)" "$(v plain "$size" open_ms)" "$(v ours "$size" first_ms)" \
    "$(v ours "$size" median_ms)" "$(v ours "$size" p95_ms)" "$(v peer "$size" p95_ms)" \
    "$(v ours "$size" snapshot_ms)" "$(v ours "$size" undo1_ms)" "$(v ours "$size" undo3_ms)" \
    "$(v ours "$size" paste_ms)" "$(v ours "$size" cut_ms)" "$(v ours "$size" selectall_delete_ms)" \
    "$(v plain "$size" selectall_delete_ms)" "$(v ours "$size" save_ms)" "$(v ours "$size" save_floor_ms)" \
    "$(echo "$(v ours "$size" peak_kb) / 1024" | bc -l 2>/dev/null || echo nan)" \
    "$(echo "$(v plain "$size" peak_kb) / 1024" | bc -l 2>/dev/null || echo nan)"
  printf "%-9s   journal write %s ms, longest time without events while opening %s ms\n" "" \
    "$(v ours "$size" journal_ms)" "$(v ours "$size" open_gap_ms)"
  printf "%-9s   the bare widget: paste %s ms, cut %s ms\n" "" "$(v plain "$size" paste_ms)" \
    "$(v plain "$size" cut_ms)"
done
printf "typing at the end of a %s-character line: %s ms a key (median)\n" 19970 "$(v longline 0 longline_ms)"
printf "find bar at 5 MB: first find (counting every match) %s ms, next match %s ms, Replace All of %s matches %s ms\n" \
  "$(v find 5000000 find_first_ms)" "$(v find 5000000 find_next_ms)" "$(v find 5000000 replaced)" \
  "$(v find 5000000 replace_all_ms)"
printf "script checker at 1 MB: %s ms a check, %s findings; 1,600 scripts (15 MB) read and checked in %s ms\n" \
  "$(v check 1000000 check_ms)" "$(v check 1000000 findings)" "$(v check 1000000 check_corpus_ms)"
printf "installer: %s of 100 actions applied into a forum of 310 files and 3 MB in %s ms; the preview's first picture %s ms\n" \
  "$(v install 0 install_applied)" "$(v install 0 install_ms)" "$(v install 0 preview_ms)"
printf "script writer: the same ten files' changes written as %s actions in %s ms (installs back exactly: %s)\n\n" \
  "$(v install 0 write_actions)" "$(v install 0 write_ms)" "$(v install 0 write_exact)"

mb() { if [[ $1 == nan ]]; then echo nan; else echo $(($1 / 1024)); fi; }
printf "memory at rest, VmRSS MB (ours / Mousepad): no file %s / %s, 1 MB %s / %s, 5 MB %s / %s\n\n" \
  "$(mb "$(v rest 0 ours)")" "$(mb "$(v rest 0 mousepad)")" \
  "$(mb "$(v rest 1000000 ours)")" "$(mb "$(v rest 1000000 mousepad)")" \
  "$(mb "$(v rest 5000000 ours)")" "$(mb "$(v rest 5000000 mousepad)")"

printf "memory while opening 5 MB, VmHWM MB: %s; five scripts of 1 MB at rest, VmRSS MB (ours / Mousepad): %s / %s\n\n" \
  "$(mb "$(v peak 5000000 ours)")" "$(mb "$(v rest five ours)")" "$(mb "$(v rest five mousepad)")"

declare -A told
goal() { # name value limit; each goal is told once
  if [ -n "${told[$1]:-}" ]; then
    echo "bench.sh: goal $1 is given twice" >&2
    exit 1
  fi
  told[$1]=1
  local verdict=FAIL
  if [[ $2 != nan ]] && [ "$(echo "$2 <= $3" | bc -l)" = 1 ]; then verdict=PASS; fi
  echo "goal $1: $2 (limit $3) $verdict"
}
has() { [ -n "${R[ours,$1,median_ms]:-}" ]; }
small=10000
big=20000000
if has $small && has $big; then
  for op in undo1 undo3 paste cut; do
    name=$op
    [ "$op" = paste ] && name=paste100KB
    [ "$op" = cut ] && name=cut100KB
    goal "edit-$name-20MB-vs-10KB" "$(pratio ours $big ${op}_ms ours $small ${op}_ms)" 2
  done
  echo "beside them, the bare widget's own: paste $(ratio "$(v plain $big paste_ms)" "$(v plain $small paste_ms)"), cut $(ratio "$(v plain $big cut_ms)" "$(v plain $small cut_ms)")"
  goal "edit-first-after-open-20MB-vs-10KB" "$(pratio ours $big first_ms ours $small first_ms)" 2
  goal "snapshot-20MB-vs-10KB" "$(pratio ours $big snapshot_ms ours $small snapshot_ms)" 2
  goal "edit-selectall-delete-20MB-vs-plaintextedit" \
    "$(pratio ours $big selectall_delete_ms plain $big selectall_delete_ms)" 1.5
  goal "open-20MB-vs-plaintextedit" "$(pratio ours $big open_ms plain $big open_ms)" 1.5
  goal "save-20MB-vs-qsavefile" "$(ratio "$(v ours $big save_ratio)" 1)" 1.5
fi
if has 5000000; then
  goal "open-5MB-vs-plaintextedit" "$(pratio ours 5000000 open_ms plain 5000000 open_ms)" 1.5
  goal "memory-5MB-vs-plaintextedit" "$(pratio ours 5000000 peak_kb plain 5000000 peak_kb)" 1.5
  goal "keystroke-p95-vs-peer-5MB" "$(pratio ours 5000000 p95_ms peer 5000000 p95_ms)" 1.5
  has $small && goal "keystroke-5MB-vs-10KB" "$(pratio ours 5000000 median_ms ours $small median_ms)" 3
fi
if has 1000000; then
  goal "keystroke-p95-vs-peer-1MB" "$(pratio ours 1000000 p95_ms peer 1000000 p95_ms)" 1.5
fi
goal "long-line-keystroke-ms" "$(v longline 0 longline_ms)" 50
goal "find-next-5MB-ms" "$(v find 5000000 find_next_ms)" 10
goal "replace-all-10000-ms" "$(v find 5000000 replace_all_ms)" 1000
goal "check-1MB-ms" "$(v check 1000000 check_ms)" 5
goal "install-100-actions-ms" "$(v install 0 install_ms)" 50
goal "preview-first-picture-ms" "$(v install 0 preview_ms)" 200
goal "write-10-files-ms" "$(v install 0 write_ms)" 200
goal "check-1600-scripts-ms" "$(v check 1000000 check_corpus_ms)" 1000
goal "rss-nofile-vs-mousepad" "$(pratio rest 0 ours rest 0 mousepad)" 1.5
goal "rss-1MB-vs-mousepad" "$(pratio rest 1000000 ours rest 1000000 mousepad)" 2.0
goal "rss-5MB-vs-mousepad" "$(pratio rest 5000000 ours rest 5000000 mousepad)" 1.2
goal "rss-peak-open-5MB-vs-rest" "$(pratio peak 5000000 ours rest 5000000 ours)" 1.3
goal "rss-five-1MB-vs-mousepad" "$(pratio rest five ours rest five mousepad)" 1.5
