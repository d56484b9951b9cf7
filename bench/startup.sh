#!/usr/bin/env bash
# startup.sh PROGRAM [RUNS]: starts the real program RUNS times on its own
# Xvfb and prints, per run, the milliseconds from exec until its window is
# mapped (polled with xdotool) and the resident memory (VmRSS from /proc)
# once the window is up; then the medians.
set -euo pipefail
program=$1 runs=${2:-10}
caption='Orvanne計算機（生産者向け）β_05'

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -t 10 display <&"$fd"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

times=() rss=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$program" &
  pid=$!
  until xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; do sleep 0.002; done
  shown=$(date +%s%N)
  sleep 0.3  # let the first paint finish before reading the memory
  times+=($(((shown - start) / 1000000)))
  rss+=($(awk '/VmRSS/ {print int($2 / 1024)}' /proc/$pid/status))
  kill $pid
  wait $pid 2>/dev/null || true
  echo "run $((i + 1)): window after ${times[-1]} ms, ${rss[-1]} MB resident"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
echo "median: window after $(median "${times[@]}") ms, $(median "${rss[@]}") MB resident"
