#!/usr/bin/env bash
# Sets everything up (packages, release build), installs the library into a
# scratch prefix, builds the example host against that installed copy and runs
# it on a small installation: a "vx_config.ini" and a registry file with two
# cameras and no language number yet (the viewer writes it at start-up).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"

work="$PWD/demo/example-host"
cmake --install build/release --prefix "$work/prefix" >/dev/null
cmake -S examples/host -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build"

installation="$work/installation"
mkdir -p "$installation"
printf '[SETUP]\nDEVELOPER_TYPE=VEXOIP\nAPPDATA_TYPE=VEXO\nRESOURCE_TYPE=KTPres\n' \
  > "$installation/vx_config.ini"
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
  '[HKEY_LOCAL_MACHINE\SOFTWARE\VEXOIP\Vantor\Video\Ch01]' '"Name"="Entrance"' '"DeviceID"=dword:00000000' '' \
  '[HKEY_LOCAL_MACHINE\SOFTWARE\VEXOIP\Vantor\Video\Ch02]' '"Name"="Car Park"' '"DeviceID"=dword:00000001' \
  > "$installation/registry.reg"

echo "demo: example host on $installation" >&2
LOGVIEW_INSTALL="$installation" LOGVIEW_REGISTRY="$installation/registry.reg" \
  "$work/build/logview-example-host"
