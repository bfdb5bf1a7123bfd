#!/usr/bin/env bash
# Writes the reference outputs of the golden cases, after a deliberate change
# to the checker, the installer, the dry run or the writer; then read the
# difference (git diff tests/core/*/golden) before committing it.
#
# tests/core/checker/golden: a script per case, NAME.mod, and the findings it
# gives, NAME.expected. Cases named good--*.mod must stay free of errors and
# warnings; RULE--*.mod must give RULE (the test says so when one does not).
# NAME.args holds options of the case's own (--forum forum: the small forum
# there).
#
# tests/core/install/golden: a folder per case, with the few forum files it
# needs (forum.name names shared forums in tests/core/install/forums, one a
# line; forum/ holds files of its own laid over them), its scripts (*.mod,
# *.txt, installed in the order of their names, each to the result of the
# ones before) and their package beside them (root/ ...): expected.diff is
# what `quillwright-mod diff` prints, expected.report what it says on
# standard error, expected.findings what the checker's dry run finds against
# the same forum. The test also demands that the dry run and the installer
# agree on every OPEN, FIND and IN-LINE FIND. Cases named good--* must
# install without an error; RULE--* must report RULE.
#
# tests/core/writer/golden: a folder per case, its forum as an installer
# case has it and change.diff, the author's change to it as patch -p1
# applies it (new files among them); expected.mod is the script
# `quillwright-mod write` makes of the change, the running version in its
# Generator line written as {version}, and expected.report what it says on
# standard error. Cases named good--* must install back exactly;
# copied-whole--* must carry a file whole.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target quillwright-check quillwright-mod >/dev/null
bin=$PWD/build/bin
forums=$PWD/tests/core/install/forums
export LANGUAGE=en LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A case's forum put together in $1: the shared forums forum.name names, then
# its own forum/ over them.
assemble_forum() {
  rm -rf "$1"
  mkdir -p "$1"
  if [ -f forum.name ]; then
    while read -r name; do
      [ -n "$name" ] && cp -R "$forums/$name/." "$1/"
    done < forum.name
  fi
  if [ -d forum ]; then cp -R forum/. "$1/"; fi
}

(
  cd tests/core/checker/golden
  for script in *.mod; do
    args=()
    [ -f "${script%.mod}.args" ] && read -r -a args < "${script%.mod}.args"
    "$bin/quillwright-check" --color=never "${args[@]}" "$script" > "${script%.mod}.expected" || true
  done
)

# The rules the dry run gives: what it finds, the installer must find too.
dry_run=open-missing,open-binary,path-outside-forum,find-no-match,inline-no-match
for case in tests/core/install/golden/*/; do
  (
    cd "$case"
    assemble_forum "$work/forum"
    mapfile -t scripts < <(find . -maxdepth 1 -type f \( -name '*.mod' -o -name '*.txt' \) \
                             -printf '%f\n' | LC_ALL=C sort)
    "$bin/quillwright-mod" diff --forum "$work/forum" "${scripts[@]}" > expected.diff \
      2> expected.report || true
    "$bin/quillwright-check" --color=never --forum "$work/forum" --select "$dry_run" \
      "${scripts[@]}" > expected.findings || true
  )
done

version=$("$bin/quillwright-mod" --version | sed 's/.* //')
for case in tests/core/writer/golden/*/; do
  (
    cd "$case"
    assemble_forum "$work/forum"
    rm -rf "$work/changed" "$work/package"
    cp -R "$work/forum" "$work/changed"
    (cd "$work/changed" && patch -p1 --quiet --binary) < change.diff
    (cd "$work" && "$bin/quillwright-mod" write forum changed -o package) 2> expected.report \
      || true
    sed "s/^\(## Generator: .*\) $version\r\$/\1 {version}\r/" "$work/package/install.mod" \
      > expected.mod
  )
done
