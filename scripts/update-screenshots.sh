#!/usr/bin/env bash
# Runs the end-to-end journeys and keeps their screenshots in docs/screenshots
# (for the README). Run it whenever the look of the program changes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j"$(nproc)" --target quillwright
E2E_SCREENSHOTS="$PWD/docs/screenshots" python3 tests/e2e/quillwright_e2e.py build/bin/quillwright
