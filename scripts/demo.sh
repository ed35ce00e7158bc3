#!/usr/bin/env bash
# Sets everything up (packages, release build), writes the demo installation
# into demo/, checks that a host builds against an installed copy of the
# library (examples/host), starts vxpp-server on the demo installation in the
# background and opens logview-host with the viewer on it; the server stops
# when the host closes.  Without a display the host runs offscreen and saves
# screenshots of every viewer tab and of itself into build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
tools=build/release/tools
$tools/logview-demo/logview-demo demo

# A host built against the installed library, as a recording client's build would.
work="$PWD/build/example-host"
cmake --install build/release --prefix "$work/prefix" >/dev/null
cmake -S examples/host -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
LOGVIEW_INSTALL="$PWD/demo" "$work/build/logview-example-host" >"$work/run.log"
echo "demo: the example host built against the installed library ran ($work/run.log)" >&2

# The server of the demo installation, for the host's remote searches (user admin, password admin).
server_log=build/vxpp-server.log
$tools/vxpp-server/vxpp-server --install demo --port 5160 2>"$server_log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT
sleep 0.5
if kill -0 "$server" 2>/dev/null; then
  echo "demo: vxpp-server serves demo/ on 127.0.0.1:5160 (log: $server_log)" >&2
else
  echo "demo: vxpp-server did not start (port 5160 taken?): $(cat "$server_log")" >&2
fi

host=$tools/logview-host/logview-host
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: logview-host with the viewer on demo/; close it to stop the server" >&2
  "$host" --install demo
else
  echo "demo: no display; logview-host photographs the viewer offscreen" >&2
  "$host" --install demo --screenshots build/screenshots
  echo "demo: the screenshots are in build/screenshots/" >&2
fi
