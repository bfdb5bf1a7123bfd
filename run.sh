#!/usr/bin/env bash
# Builds Quillwright in Release and starts it:  ./run.sh [FILE]
# Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
quillwright_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target quillwright
# --help and --version answer on the terminal: no display needed.
case "${1:-}" in
  --help | -h | --version) exec build/bin/quillwright "$@" ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run Quillwright on a machine without one, use a virtual display:"
  echo "  xvfb-run -a ./run.sh ${*:-}"
  exit 1
fi
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/bin/quillwright "$@"
