#!/usr/bin/env bash
# Packs the built tree into a .deb with CPack, runs lintian on it, unpacks it
# into a scratch root and starts the unpacked program on an X server of its
# own until its window shows, then ends it by its exit button.
#   check_deb.sh BUILD_DIR SOURCE_DIR APP_ID
# Under CI=true as root, and only when the package is not installed already,
# it also installs the package with apt-get, starts /usr/bin/orvanne-calc,
# removes the package and checks that no file is left behind. Elsewhere that
# part is skipped: it changes the machine.
# Exits 77 (skipped) when a tool it needs is missing, except under CI=true.
set -uo pipefail
set -m  # each background job in a process group of its own

if (($# != 3)); then
  echo "usage: $0 BUILD_DIR SOURCE_DIR APP_ID" >&2
  exit 2
fi
build=$1 source=$2 app_id=$3
caption='Orvanne計算機（生産者向け）β_05'
# The exit button 工房から出る, by the centre of its rectangle in the window.
exit_x=585 exit_y=315
bound=60 # seconds for anything to happen; generous for a loaded machine

missing=()
for tool in cpack lintian dpkg-deb Xvfb xdotool timeout; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
  echo "package: missing ${missing[*]}; scripts/setup installs them" >&2
  [[ ${CI:-} == true ]] && exit 1
  echo "package: skipped" >&2
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvanne-package.XXXXXX")
xvfb_pid=
installed_here=
cleanup() {
  if [[ -n $installed_here ]]; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -q orvanne-calc >/dev/null 2>&1
  fi
  [[ -n $xvfb_pid ]] && kill -TERM -- "-$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
  echo "FAIL $*" >&2
  exit 1
}
say() { echo "$*"; }

# ---------------------------------------------------------------- the .deb

cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/cpack/orvanne-calc_*_amd64.deb)
if ((${#debs[@]} != 1)) || [[ ! -f ${debs[0]} ]]; then
  fail "cpack wrote not exactly one orvanne-calc_<version>_amd64.deb"
fi
deb=${debs[0]}
say "ok   cpack wrote ${deb##*/}"

"$source/package/lint" "$deb" || fail "lintian"
say "ok   lintian"

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in fonts-ipafont-gothic libqt6widgets6; do
  [[ $depends == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done
say "ok   Depends: $depends"

root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
expected=(
  usr/bin/orvanne-calc
  "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  usr/share/doc/orvanne-calc/copyright
  usr/share/doc/orvanne-calc/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  [[ -f $root/$file ]] || fail "the package lacks /$file"
done
[[ -x $root/usr/bin/orvanne-calc ]] || fail "/usr/bin/orvanne-calc is not executable"
unexpected=$(cd "$root" && find . -type f | sed 's|^\./||' | sort |
  comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[[ -z $unexpected ]] || fail "the package holds files nobody asked for: $unexpected"
say "ok   the package holds exactly its ${#expected[@]} files"

# ---------------------------------------------------------------- the window

# -displayfd: the server picks a free display and writes its number once it
# accepts clients, so parallel runs never collide and nothing has to sleep.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for ((i = 0; i < bound * 10; i++)); do
  [[ -s $work/display ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; fail "Xvfb ended"; }
  sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb gave no display within $bound s"
DISPLAY=":$(<"$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Starts PROGRAM, waits for its window and ends it by its exit button; the
# program must end by itself with code 0.
run_window() {
  local program=$1 pid window code i
  "$program" >"$work/program.log" 2>&1 &
  pid=$!
  window=$(timeout "$bound" xdotool search --sync --all --onlyvisible --pid "$pid" --name "^$caption\$" |
    head -n 1)
  if [[ -z $window ]]; then
    kill -KILL "$pid" 2>/dev/null
    cat "$work/program.log" >&2
    fail "$program showed no window \"$caption\" within $bound s"
  fi
  say "ok   $program shows its window"
  xdotool mousemove --window "$window" "$exit_x" "$exit_y" click 1
  for ((i = 0; i < bound * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    fail "$program still runs $bound s after a click on its exit button"
  fi
  wait "$pid"
  code=$?
  ((code == 0)) || { cat "$work/program.log" >&2; fail "$program ended with code $code"; }
  say "ok   $program ends by its exit button with code 0"
}

run_window "$root/usr/bin/orvanne-calc"

# ---------------------------------------------------------------- install, remove

if [[ ${CI:-} != true || $(id -u) -ne 0 ]]; then
  say "skip install and removal: only under CI=true as root"
  exit 0
fi
if dpkg-query -W -f='${Status}' orvanne-calc 2>/dev/null | grep -q installed; then
  say "skip install and removal: orvanne-calc is installed on this machine already"
  exit 0
fi
# The file names under the trees a package may touch; the two caches belong
# to the desktop's triggers, which may make them on the first install.
snapshot() {
  find /usr /etc /opt -xdev 2>/dev/null |
    grep -v -e '/usr/share/applications/mimeinfo\.cache$' -e '/usr/share/icons/hicolor/icon-theme\.cache$' |
    sort
}
snapshot >"$work/before"
installed_here=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get install"; }
say "ok   apt-get install ./${deb##*/}"
[[ $(command -v orvanne-calc) == /usr/bin/orvanne-calc ]] || fail "orvanne-calc is not /usr/bin/orvanne-calc on the PATH"
run_window orvanne-calc
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q orvanne-calc >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get remove"; }
installed_here=
say "ok   apt-get remove orvanne-calc"
left=$(snapshot | comm -13 "$work/before" -)
[[ -z $left ]] || fail "removal left behind: $left"
! compgen -G '/var/lib/dpkg/info/orvanne-calc.*' >/dev/null || fail "dpkg still knows the package"
say "ok   removal leaves nothing behind"
