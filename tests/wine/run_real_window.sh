#!/usr/bin/env bash
# Runs real_window.py against the Windows edition under Wine, on an X server
# of its own, in the Japanese locale (code page 932 inside Wine), and takes
# the server down again on every way out.
#   run_real_window.sh PREFIX PROGRAM.exe PROBE.exe
# Exits 77 (skipped) when a tool it needs is missing, except under CI=true,
# where a missing tool is a failure.
set -uo pipefail
# Every background job in a process group of its own, so that cleanup can end
# each one together with whatever it started.
set -m

if (($# != 3)); then
  echo "usage: $0 PREFIX PROGRAM PROBE" >&2
  exit 2
fi
export WINEPREFIX=$1
program=$2
probe=$3
here=$(cd "$(dirname "$0")" && pwd)

missing=()
for tool in Xvfb xdotool xclip /usr/bin/python3; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' || missing+=("the locale ja_JP.UTF-8")
(source "$here/wine-env.sh" && [[ -n $WINE64 && -n $WINESERVER ]]) >/dev/null 2>&1 ||
  missing+=("wine64")
if ((${#missing[@]})); then
  echo "wine e2e: missing ${missing[*]}; scripts/setup installs them" >&2
  [[ ${CI:-} == true ]] && exit 1
  echo "wine e2e: skipped" >&2
  exit 77
fi
source "$here/wine-env.sh"

# The prefix's desktop takes the display of the process that starts it, and a
# desktop started by a console program has none: end whatever still runs in
# the prefix (CTest runs nothing beside this test), so that the program starts
# the desktop on this test's server, and end it again afterwards.
"$WINESERVER" -k 2>/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/orvanne-wine-e2e.XXXXXX")
xvfb_pid=

cleanup() {
  "$WINESERVER" -k 2>/dev/null
  if [[ -n $xvfb_pid ]]; then
    kill -TERM -- "-$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
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

# Generous bound: a loaded machine may be slow to start the server, and a
# wait that succeeds ends at once.
display=
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  if [[ $(wc -l <"$work/display") -ge 1 ]]; then
    display=$(head -n1 "$work/display")
    break
  fi
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
if [[ ! $display =~ ^[0-9]+$ ]]; then
  echo "wine e2e: Xvfb did not come up; its output:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

# Wine takes its ANSI code page from the Unix locale at every start.
env -u WAYLAND_DISPLAY -u XAUTHORITY -u LANGUAGE -u PYTHONPATH -u PYTHONHOME \
  DISPLAY=":$display" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 \
  /usr/bin/python3 "$here/real_window.py" \
  --wine "$WINE64" --program "$program" --probe "$probe" --work "$work"
