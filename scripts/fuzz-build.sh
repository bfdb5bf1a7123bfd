#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLWRIGHT_FUZZ=ON -DQUILLWRIGHT_TESTS=OFF -DQUILLWRIGHT_UI=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_rtf fuzz_repair fuzz_rewrite fuzz_outline fuzz_header fuzz_author fuzz_linebyline fuzz_install fuzz_writer
