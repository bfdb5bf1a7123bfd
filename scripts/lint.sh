#!/usr/bin/env bash
# The checks that need no test run: formatting, the layer rule, the size of
# the widget classes and clang-tidy.
# Exits non-zero on the first kind of finding, after printing all of its kind.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
  'fuzz/*.cpp' 'fuzz/*.h')
echo "lint: clang-format on $(wc -w <<<"$sources") files"
# shellcheck disable=SC2086
clang-format --dry-run --Werror $sources

echo "lint: the core library includes no widget header and nothing of ui/"
scripts/check-layers.sh

echo "lint: no widget class declares more than 30 methods"
python3 scripts/check-class-sizes.py

echo "lint: clang-tidy on src/"
cmake -S . -B build -DQUILLWRIGHT_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)" >/dev/null  # generated headers and moc files
report=$(mktemp)
run-clang-tidy -quiet -p build -j "$(nproc)" "$PWD/src/" >"$report" 2>&1 || true
# run-clang-tidy does not always exit non-zero on findings: look for them.
if grep -E '(warning|error): ' "$report"; then
  echo "lint: clang-tidy found the problems above"
  exit 1
fi
rm -f "$report"
echo "lint: clean"
