#!/usr/bin/env bash
# Runs wayland_window.py against the built program on a headless Weston and
# a session bus of its own, and takes both down again on every way out.
#   run_wayland_window.sh PROGRAM
# Exits 77 (skipped) when a tool it needs is missing, except under CI=true,
# where a missing tool is a failure.
set -uo pipefail
# Every background job in a process group of its own, so that cleanup can end
# each one together with whatever it started (Weston starts its shell
# clients, the bus the accessibility services).
set -m

if (($# != 1)); then
  echo "usage: $0 PROGRAM" >&2
  exit 2
fi
program=$1
here=$(cd "$(dirname "$0")" && pwd)
# In the sanitized build: what libwayland-client keeps until exit is no leak
# of ours.
export LSAN_OPTIONS="suppressions=$here/lsan-wayland.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

qt_plugins=$(/usr/lib/qt6/bin/qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null ||
  echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
missing=()
for tool in weston dbus-run-session /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -e $qt_plugins/platforms/libqwayland-generic.so ]] ||
  missing+=("the Qt Wayland platform plugin (Debian qt6-wayland)")
if [[ -x /usr/bin/python3 ]] && ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  missing+=("pyatspi for /usr/bin/python3 (Debian python3-pyatspi)")
fi
if ((${#missing[@]})); then
  echo "e2e-wayland: missing ${missing[*]}; scripts/setup installs them" >&2
  [[ ${CI:-} == true ]] && exit 1
  echo "e2e-wayland: skipped" >&2
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvanne-wayland.XXXXXX")
weston_pid=
session_pid=

# Ends the process group led by $1 and waits until none of its members runs.
stop_group() {
  local group=$1 i
  kill -TERM -- "-$group" 2>/dev/null || return 0
  for ((i = 0; i < 50; i++)); do
    running_in_group "$group" || return 0
    sleep 0.1
  done
  kill -KILL -- "-$group" 2>/dev/null
}

# Field 3 of a process's stat is its state, field 5 its process group.
running_in_group() {
  local group=$1 stat line
  for stat in /proc/[0-9]*/stat; do
    { read -r line <"$stat"; } 2>/dev/null || continue
    set -- ${line##*) }
    [[ $3 == "$group" && $1 != Z ]] && return 0
  done
  return 1
}

cleanup() {
  [[ -n $session_pid ]] && stop_group "$session_pid"
  [[ -n $weston_pid ]] && stop_group "$weston_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

runtime=$work/runtime
mkdir -m 700 "$runtime"
socket=orvanne-wayland
# No user configuration, no idle blanking; the desktop shell, as a desktop
# session would have, so the window keeps the size it asks for.
env -u WAYLAND_DISPLAY -u DISPLAY XDG_RUNTIME_DIR="$runtime" \
  weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
  --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
weston_pid=$!

# Generous bound: Weston on a loaded machine may be slow; the socket's lock
# file is written once it accepts clients.
deadline=$((SECONDS + 30))
until [[ -S $runtime/$socket && -e $runtime/$socket.lock ]]; do
  if ! kill -0 "$weston_pid" 2>/dev/null || ((SECONDS >= deadline)); then
    echo "e2e-wayland: Weston did not come up; its output:" >&2
    cat "$work/weston.log" >&2
    exit 1
  fi
  sleep 0.05
done

# Only this compositor: no X server to fall back to, Qt told to use Wayland.
env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
  -u NO_AT_BRIDGE -u QT_ACCESSIBILITY -u XAUTHORITY -u XDG_SESSION_TYPE \
  -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
  -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
  -u QT_QPA_PLATFORMTHEME -u QT_WAYLAND_DECORATION -u PYTHONPATH -u PYTHONHOME -u LANGUAGE \
  WAYLAND_DISPLAY="$socket" XDG_RUNTIME_DIR="$runtime" \
  QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  LANG=C.UTF-8 LC_ALL=C.UTF-8 \
  dbus-run-session -- /usr/bin/python3 "$here/wayland_window.py" \
  --program "$program" --work "$work" \
  2>"$work/session.log" &
session_pid=$!
wait "$session_pid"
status=$?

if ((status != 0)); then
  echo "--- session bus and driver messages ---"
  cat "$work/session.log"
  echo "--- weston ---"
  cat "$work/weston.log"
fi
exit "$status"
