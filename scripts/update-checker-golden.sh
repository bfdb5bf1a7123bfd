#!/usr/bin/env bash
# Writes the findings each golden checker case gives, in the command line's
# own form, as its .expected file: run after a deliberate change to a rule,
# then read the difference (git diff tests/core/checker/golden) before
# committing it. Cases named good--*.mod must stay free of errors and
# warnings; RULE--*.mod must give RULE (the test says so when one does not).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target quillwright-check >/dev/null
cd tests/core/checker/golden
for script in *.mod; do
  # NAME.args holds options of the case's own (--forum forum: the small forum here).
  args=()
  [ -f "${script%.mod}.args" ] && read -r -a args < "${script%.mod}.args"
  LANGUAGE=en LC_ALL=C.UTF-8 ../../../../build/bin/quillwright-check --color=never "${args[@]}" \
    "$script" > "${script%.mod}.expected" || true
done
