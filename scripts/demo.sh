#!/usr/bin/env bash
# Installs what is missing, builds Parkwen, writes a demo car library into build/demo-library,
# points build/bin/paths.mdb at it and starts Parkwen. Extra arguments go to Parkwen (e.g. /ACC).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
build/bin/parkwen_makedemo build/demo-library build/bin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Parkwen on a virtual one (xvfb-run)."
  exec xvfb-run -a build/bin/parkwen "$@"
fi
exec build/bin/parkwen "$@"
