#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop
# needs of it: the layout, the desktop entry, the AppStream metainfo, the
# man page, and that the MIME database names a MOD script by its content and
# claims *.mod over the tracker-music type.
#   scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
check() { # description command...
  local what=$1
  shift
  if "$@" >/dev/null 2>"$prefix/err"; then
    echo "PASS   : $what"
  else
    echo "FAIL!  : $what"
    cat "$prefix/err"
    fail=1
  fi
}
for f in bin/quillwright bin/quillwright-check share/quillwright/TIPOFDAY.TXT share/applications/quillwright.desktop \
  share/metainfo/org.quillwright.Quillwright.metainfo.xml share/man/man1/quillwright.1 \
  share/mime/packages/quillwright.xml share/icons/hicolor/scalable/apps/quillwright.svg; do
  check "installed $f" test -s "$prefix/$f"
done
check "no data in the binaries folder" test ! -e "$prefix/bin/TIPOFDAY.TXT"
# The web engine's plugin, where the program looks for it: beside the
# libraries, on the path from the program's folder it was built with.
if compgen -G "$build/lib*/quillwright/quillwright_browser.so" >/dev/null ||
  compgen -G "$build/lib/*/quillwright/quillwright_browser.so" >/dev/null; then
  check "installed the browser plugin beside the libraries" \
    sh -c "ls '$prefix'/lib/quillwright/quillwright_browser.so '$prefix'/lib/*/quillwright/quillwright_browser.so 2>/dev/null | grep -q ."
fi
if command -v desktop-file-validate >/dev/null; then
  check "desktop entry valid" desktop-file-validate "$prefix/share/applications/quillwright.desktop"
fi
if command -v appstreamcli >/dev/null; then
  check "metainfo valid" appstreamcli validate --no-net --explain \
    "$prefix/share/metainfo/org.quillwright.Quillwright.metainfo.xml"
fi
if command -v man >/dev/null; then
  check "man page renders" sh -c "MANWIDTH=80 man -l '$prefix/share/man/man1/quillwright.1' | grep -q 'editor for phpBB2 MOD scripts'"
fi
check "the installed program finds its version without a display" \
  sh -c "env -u DISPLAY '$prefix/bin/quillwright' --version | grep -q '^Quillwright '"

# The MIME database of the prefix alone: the system's own types and ours.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null &&
  [ -f /usr/share/mime/packages/freedesktop.org.xml ]; then
  cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/"
  update-mime-database "$prefix/share/mime" 2>/dev/null
  files=$prefix/files
  mkdir -p "$files"
  printf '## MOD Title: Quick reply\r\n' >"$files/script.mod"
  printf 'notes\r\n#\r\n#-----[ OPEN ]------\r\n#\r\nindex.php\r\n' >"$files/install-instructions"
  # A file without a telling name is known by its content; a tracker module
  # by its name alone, where the script type's weight is above the music's.
  head -c 2048 /dev/zero >"$files/music.mod"
  printf 'just text\r\n' >"$files/plain.txt"
  type_of() {
    XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share" \
      gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'
  }
  expect_type() { # file type
    local got
    got=$(type_of "$files/$1")
    if [ "$got" = "$2" ]; then
      echo "PASS   : $1 is $2"
    else
      echo "FAIL!  : $1 is $got, not $2"
      fail=1
    fi
  }
  expect_type script.mod text/x-phpbb-mod
  expect_type install-instructions text/x-phpbb-mod
  expect_type music.mod text/x-phpbb-mod
  expect_type plain.txt text/plain
else
  echo "SKIP   : MIME checks (update-mime-database or gio missing)"
fi
exit $fail
