# Sourced by the Wine scripts: finds wine64 and wineserver and sets the
# environment every Wine start here shares. Expects WINEPREFIX to be set.
#
# Debian's wine64 package keeps both programs in its library folder, off the
# PATH, and without the wine package there is no wine wrapper either.
wine_find() {
  local name=$1 path
  if command -v "$name"; then
    return 0
  fi
  # The packages also hold documentation folders of the same name.
  while IFS= read -r path; do
    if [[ $path == */$name && -f $path && -x $path ]]; then
      printf '%s\n' "$path"
      return 0
    fi
  done < <(dpkg -L wine64 libwine 2>/dev/null)
  echo "wine: $name not found (install wine64)" >&2
  return 1
}

WINE64=$(wine_find wine64)
WINESERVER=$(wine_find wineserver)
export WINESERVER

# No debug chatter (ORVANNE_WINEDEBUG asks for some), and no prompts to
# install Mono or Gecko into a new prefix.
export WINEDEBUG=${ORVANNE_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
