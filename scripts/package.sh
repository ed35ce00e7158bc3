#!/usr/bin/env bash
# Builds the Debian packages (release, installed under /usr) into
# build/package/: liblogview, liblogview-dev, logview, vxpp-server and, when
# Qt 6 is there, logview-qt.  Install them with: apt install ./build/package/*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/compiler-cache.sh
cmake --preset package >/dev/null
cmake --build --preset package -j"$(nproc)" >/dev/null
cmake --build build/package --target package >/dev/null
ls -1 "$PWD"/build/package/*.deb
