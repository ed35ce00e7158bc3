#!/usr/bin/env bash
# Builds the Debian packages, checks what each holds and depends on, installs
# them on this machine, uses what they installed, and removes them again.
# Needs root (or sudo); changes the machine's installed packages for the time
# it runs and leaves them as they were.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
fail() { echo "package-test: $*" >&2; exit 1; }

mapfile -t debs < <(scripts/package.sh)
version=$(sed -n 's/^project(logview VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
names=()
for deb in "${debs[@]}"; do
  name=$(dpkg-deb -f "$deb" Package)
  names+=("$name")
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "$name: version is not $version"
  contents=$(dpkg-deb -c "$deb")
  depends=$(dpkg-deb -f "$deb" Depends)
  expect() { grep -q -- "$1" <<<"$contents" || fail "$name lacks $1"; }
  case "$name" in
    liblogview) expect "/usr/lib/.*/liblogview.so.0"; expect "/usr/share/logview/lang/LanguageTable.xml"
                expect "/usr/share/logview/manual/manual.xml"; grep -q libsqlite3 <<<"$depends" || fail "$name: $depends" ;;
    liblogview-dev) expect "/usr/include/logview/logview.h"; expect "cmake/logview/logviewConfig.cmake"
                    expect "pkgconfig/logview.pc"; grep -q "liblogview (= $version)" <<<"$depends" || fail "$name: $depends" ;;
    logview) expect "/usr/bin/logview$"; expect "/usr/bin/logview-demo"; expect "man1/logview.1"
             expect "/usr/bin/vxpp-backup"; expect "man1/vxpp-backup.1"
             expect "completions/logview"; grep -q "liblogview (= $version)" <<<"$depends" || fail "$name: $depends" ;;
    vxpp-server) expect "/usr/bin/vxpp-server"; expect "vxpp-server.service"; expect "/etc/vxpp-server/vxpp-users.ini"
                 expect "man1/vxpp-server.1"; grep -q adduser <<<"$depends" || fail "$name: $depends" ;;
    logview-qt) expect "/usr/bin/logview-host"; expect "applications/logview-host.desktop"; expect "logview_qt.h"
                expect "liblogview_qt.so.0"; expect "logviewQtTargets.cmake"
                grep -q "libqt6widgets6" <<<"$depends" || fail "$name: $depends" ;;
  esac
done
echo "package-test: ${names[*]}: contents and dependencies as expected" >&2

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get install -y "${debs[@]}" >/dev/null
trap '"${sudo_cmd[@]}" apt-get purge -y "${names[@]}" >/dev/null 2>&1 || true' EXIT
programs=(logview logview-demo vxpp-backup vxpp-server)
[[ " ${names[*]} " == *" logview-qt "* ]] && programs+=(logview-host)
for program in "${programs[@]}"; do
  [ "$("$program" --version)" = "$program $version" ] || fail "$program --version"
done
getent passwd vxpp-server >/dev/null || fail "no vxpp-server user"
systemd-analyze verify /usr/lib/systemd/system/vxpp-server.service || fail "the unit does not verify"
# The server as its unit starts it: its own user, the settings of /etc.
(
  set -a; . /etc/vxpp-server/vxpp-server.conf; set +a
  printf '[ops]\nPassword=night\n' | "${sudo_cmd[@]}" tee -a "$VXPP_USERS" >/dev/null
  "${sudo_cmd[@]}" install -d -o vxpp-server -g vxpp-server "$VXPP_INSTALL"
  log=$("${sudo_cmd[@]}" timeout -s TERM 2 runuser -u vxpp-server -- vxpp-server --install "$VXPP_INSTALL" \
        --port 0 --bind "$VXPP_BIND" --users "$VXPP_USERS" 2>&1 || true)
  "${sudo_cmd[@]}" rm -rf "$VXPP_INSTALL"
  grep -q "serving $VXPP_INSTALL" <<<"$log" && ! grep -q "no users" <<<"$log" || fail "the service did not start: $log"
)
demo=$(mktemp -d)
logview-demo --days 2 "$demo/site" 2>/dev/null
rows=$(logview --install "$demo/site" events 2>/dev/null | wc -l)
[ "$rows" -gt 10 ] || fail "logview listed $rows lines"
rm -rf "$demo"
echo "package-test: installed; logview listed $((rows - 1)) events of a demo written after installation" >&2

"${sudo_cmd[@]}" apt-get purge -y "${names[@]}" >/dev/null
trap - EXIT
for path in /usr/bin/logview /usr/bin/vxpp-backup /usr/bin/vxpp-server /usr/share/logview /etc/vxpp-server; do
  [ ! -e "$path" ] || fail "$path is left after removal"
done
! getent passwd vxpp-server >/dev/null || fail "the vxpp-server user is left after purging"
echo "package-test: removed cleanly" >&2
