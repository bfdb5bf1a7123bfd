#!/usr/bin/env bash
# The one list of Debian packages that building, running and testing need.
# Sourced by run.sh and test.sh; installs only what is missing.
set -euo pipefail

QUILLWRIGHT_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev
  qt6-qpa-plugins libqt6svg6 libgl-dev
  xvfb xauth xdotool x11-utils python3 fonts-dejavu-core
  clang libclang-rt-dev
  libbenchmark-dev bc imagemagick x11-apps poppler-utils
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n shared-mime-info desktop-file-utils appstream
  libglib2.0-bin patch openbox libarchive-dev
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
)

# What ./bench.sh adds: the peer it measures memory at rest against, and the
# heap profiler that docs/PERFORMANCE.md's breakdown comes from.
QUILLWRIGHT_BENCH_PACKAGES=(mousepad heaptrack)

# quillwright_install_deps [PACKAGE...]: the list above, or the ones named.
quillwright_install_deps() {
  local missing=()
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${QUILLWRIGHT_PACKAGES[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
