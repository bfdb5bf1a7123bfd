#!/usr/bin/env bash
# Builds Quillwright and runs every test. Installs missing Debian packages first.
#   ./test.sh              normal build in build/, all tests
#   ./test.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/, every test
#   ./test.sh --sanitize-logic   the same for the logic library and its tests only
#   ./test.sh --lint       clang-format in check mode, the layer rule, and
#                          clang-tidy (.clang-tidy) on the sources
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quillwright_install_deps

if [ "${1:-}" = "--lint" ]; then
  exec scripts/lint.sh
fi

build_dir=build
extra=()
if [ "${1:-}" = "--sanitize" ] || [ "${1:-}" = "--sanitize-logic" ]; then
  build_dir=build-sanitize
  extra=(-DQUILLWRIGHT_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if [ "$1" = "--sanitize-logic" ]; then
    build_dir=build-sanitize-logic
    extra+=(-DQUILLWRIGHT_UI=OFF)
  fi
  # Every report stops the program that made it, so it fails its test.
  # The leak check is off: on, it names only blocks that the system's
  # libraries keep to the end (fontconfig, D-Bus, udev, the web engine, and a
  # library unloaded before the report can name it). Memory that our code
  # keeps is what the soak test's budget watches.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

export QTWEBENGINE_DISABLE_SANDBOX=1
cmake -S . -B "$build_dir" -DQUILLWRIGHT_TESTS=ON "${extra[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"

# The fuzz targets need clang's fuzzer runtime; their seed corpora and the
# regression inputs are replayed as a quick check on every run.
if [ -x scripts/fuzz-build.sh ] && command -v clang++ >/dev/null 2>&1 && [ -z "${extra[*]:-}" ]; then
  ./scripts/fuzz-build.sh >/dev/null
  ./scripts/fuzz-replay.sh
fi
