#!/usr/bin/env bash
# Brings translations/quillwright_fr.ts up to date with the texts in src/ and
# fills in their French from scripts/translations_fr.py.
set -euo pipefail
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate -no-obsolete -locations none -source-language en -target-language fr \
  src -ts translations/quillwright_fr.ts
python3 scripts/translations_fr.py translations/quillwright_fr.ts
