# shellcheck shell=bash
# Sourced by the Windows scripts: the project's own Wine prefix, made ready once and quietly.
#
# wine_prefix_ready exports the Wine environment (the prefix in build-windows/wine-prefix
# unless WINEPREFIX is set, 64-bit, no debug output, no display, no Mono or Gecko download
# prompt) and creates the prefix on first use: `wineboot -i`, then a wait for the Wine server
# to finish writing it. The file .orvane-prefix-ready in the prefix is written only once the
# prefix is complete; the project's own prefix left half made by an interrupted first start is
# made anew (one that WINEPREFIX names is only updated). A lock keeps two first starts at the
# same time (CTest running tests in parallel) from making it twice.

wine_prefix_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

wine_prefix_ready() {
  local own_prefix=$wine_prefix_root/build-windows/wine-prefix
  export WINEPREFIX=${WINEPREFIX:-$own_prefix}
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY WAYLAND_DISPLAY
  local marker=$WINEPREFIX/.orvane-prefix-ready
  [ -e "$marker" ] && return 0
  command -v wine >/dev/null || {
    echo "wine is not installed (Debian: packages wine and wine64)" >&2
    return 1
  }
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -e "$marker" ]; then
      if [ "$WINEPREFIX" = "$own_prefix" ]; then rm -rf "$WINEPREFIX"; fi
      local log=$WINEPREFIX.log
      if ! { wine wineboot -i && wineserver -w; } >"$log" 2>&1 || [ ! -e "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix $WINEPREFIX failed:" >&2
        cat "$log" >&2
        exit 1
      fi
      rm -f "$log"
      touch "$marker"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Keeps one Wine server, with Wine's own service processes, running until wine_server_stop, so
# that each program starts in a fraction of a second. A server already running for the prefix
# is used as it is and left running. The services are started here, with no standard input or
# output: a service started by a test program would inherit that program's output and hold it
# open for as long as the server runs, and a reader waiting for the end of that output (CTest)
# would wait for ever.
wine_server_started=false
wine_server_start() {
  wine_prefix_ready
  if wineserver -p 2>/dev/null; then wine_server_started=true; fi
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_server_stop() {
  if $wine_server_started; then wineserver -k 2>/dev/null || true; fi
  wine_server_started=false
}
