#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config python3 sqlite3 libsqlite3-dev libexpat1-dev
          libgtest-dev libgmock-dev libbenchmark-dev libre2-dev help2man ccache
          libcairo2-dev fontconfig fonts-dejavu-core clang-14 libclang-rt-14-dev
          qt6-base-dev fonts-wqy-microhei libxlsxwriter-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
