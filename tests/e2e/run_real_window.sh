#!/usr/bin/env bash
# Runs real_window.py against the built program on an X server and a session
# bus of its own, and takes both down again on every way out.
#   run_real_window.sh PROGRAM CLIPBOARD_OWNER
# Exits 77 (skipped) when a tool it needs is missing, except under CI=true,
# where a missing tool is a failure.
set -uo pipefail
# Every background job in a process group of its own, so that cleanup can end
# each one together with whatever it started (the bus activates the
# accessibility services as its children).
set -m

if (($# != 2)); then
  echo "usage: $0 PROGRAM CLIPBOARD_OWNER" >&2
  exit 2
fi
program=$1
clipboard_owner=$2
here=$(cd "$(dirname "$0")" && pwd)

missing=()
for tool in Xvfb xdotool dbus-run-session /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [[ -x /usr/bin/python3 ]] && ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  missing+=("pyatspi for /usr/bin/python3 (Debian python3-pyatspi)")
fi
if ((${#missing[@]})); then
  echo "e2e: missing ${missing[*]}; scripts/setup installs them" >&2
  [[ ${CI:-} == true ]] && exit 1
  echo "e2e: skipped" >&2
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvanne-e2e.XXXXXX")
xvfb_pid=
session_pid=

# Ends the process group led by $1 and waits until none of its members runs
# (exited members may linger as zombies until init reaps them).
stop_group() {
  local group=$1 i
  kill -TERM -- "-$group" 2>/dev/null || return 0
  for ((i = 0; i < 50; i++)); do
    running_in_group "$group" || return 0
    sleep 0.1
  done
  kill -KILL -- "-$group" 2>/dev/null
}

# Read from /proc: field 3 of a process's stat is its state, field 5 its
# process group; the command name before them may hold spaces.
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
  [[ -n $xvfb_pid ]] && stop_group "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# -displayfd: the server picks a free display and writes its number once it
# accepts clients, so parallel runs never collide and nothing has to sleep.
# 96 dpi: the density the window is laid out for.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!

# Generous bounds: a loaded machine may be slow to start the server, and a
# wait that succeeds ends at once.
display=
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  if [[ $(wc -l <"$work/display") -ge 1 ]]; then
    display=$(head -n1 "$work/display")
    break
  fi
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    break
  fi
  sleep 0.05
done
if [[ ! $display =~ ^[0-9]+$ ]]; then
  echo "e2e: Xvfb did not come up; its output:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
# A client's round trip proves that this server, and no other, answers there.
answers=
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  if geometry=$(DISPLAY=":$display" xdotool getdisplaygeometry 2>/dev/null) \
    && [[ $geometry == "1280 1024" ]]; then
    answers=yes
    break
  fi
  sleep 0.05
done
if [[ -z $answers ]]; then
  echo "e2e: display :$display does not answer as the server just started" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

mkdir -m 700 "$work/runtime"

# A clean environment for the program: only this X server, no inherited
# session bus, scaling or style settings, Debian's python with pyatspi.
env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
  -u NO_AT_BRIDGE -u QT_ACCESSIBILITY -u XAUTHORITY -u XDG_SESSION_TYPE \
  -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
  -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
  -u QT_QPA_PLATFORMTHEME -u PYTHONPATH -u PYTHONHOME -u LANGUAGE \
  DISPLAY=":$display" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  LANG=C.UTF-8 LC_ALL=C.UTF-8 \
  dbus-run-session -- /usr/bin/python3 "$here/real_window.py" \
  --program "$program" --clipboard-owner "$clipboard_owner" --work "$work" \
  2>"$work/session.log" &
session_pid=$!
wait "$session_pid"
status=$?

if ((status != 0)); then
  echo "--- session bus and driver messages ---"
  cat "$work/session.log"
fi
exit "$status"
