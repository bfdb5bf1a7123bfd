#!/usr/bin/env bash
# Runs the end-to-end journeys and keeps their screenshots in docs/screenshots
# (for the README). Run it whenever the look of the program changes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j"$(nproc)" --target quillwright
E2E_SCREENSHOTS="$PWD/docs/screenshots" python3 tests/e2e/quillwright_e2e.py build/bin/quillwright
# The installation preview on a real MOD package, when one is named:
#   PREVIEW_PACKAGE=path/to/install.mod PREVIEW_FORUM=path/to/phpBB-2 scripts/update-screenshots.sh
if [[ -n "${PREVIEW_PACKAGE:-}" && -n "${PREVIEW_FORUM:-}" ]]; then
  E2E_SCREENSHOTS="$PWD/docs/screenshots" python3 tests/e2e/quillwright_e2e.py build/bin/quillwright \
    preview_screenshot
fi
