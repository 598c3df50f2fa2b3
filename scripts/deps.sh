#!/usr/bin/env bash
# Installs the Debian packages Parkwen needs to build, test, package and show its windows (Debian 12,
# as root): the menu entries and metainfo are checked with desktop-file-utils and appstream, and
# `cpack -G DEB` needs dpkg-dev and file to work out the package's dependencies; the translations need
# Qt's translation tools and CMake support (qt6-l10n-tools, qt6-tools-dev) and Qt's own German texts
# (qt6-translations-l10n); lintian checks the package. Cars are drawn through Qt's OpenGL (libqt6opengl6-dev)
# on Mesa (libgl1-mesa-dri), without a display through its surfaceless EGL (libegl1, libegl-mesa0).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libsqlite3-dev libarchive-dev libgl1-mesa-dev libqt6opengl6-dev libgl1-mesa-dri libegl1 libegl-mesa0 xvfb xauth
  desktop-file-utils appstream dpkg-dev file qt6-l10n-tools qt6-tools-dev qt6-translations-l10n lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run as root or install them first." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
