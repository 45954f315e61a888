#!/bin/bash
# Starts or stops the Wine session the tests and the demo run in: an X display (Xvfb unless
# USE_DISPLAY=1 keeps the current one), the prefix (created once, then reused), a persistent
# wineserver and Wine's services, booted here with their output on /dev/null so that no test
# runner waits for them.
#   wine-session.sh start   prints the session's variables (DISPLAY=..., XVFB_PID=...)
#   wine-session.sh stop
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
state=$WINEPREFIX.session

find_free_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then echo ":$n"; return; fi
  done
  echo "wine-session.sh: no free X display" >&2; exit 1
}

create_prefix() {
  mkdir -p "$WINEPREFIX"
  # A plain (not persistent) server here: -w waits until it has gone.
  $WINE64 wineboot --init </dev/null >/dev/null 2>&1
  $WINESERVER -w
  local reg=$WINEPREFIX/desktop.reg
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/wine/desktop.reg"; } > "$reg"   # regedit wants UTF-16LE with a BOM
  $WINE64 regedit /S "$(winepath_of "$reg")" </dev/null >/dev/null 2>&1
  $WINESERVER -w
  touch "$WINEPREFIX/.disctool-prefix"
}

winepath_of() { echo "Z:${1//\//\\}"; }

case "${1:-}" in
  start)
    if [ "${USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
      xvfb_pid=
    else
      export DISPLAY=$(find_free_display)
      Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      xvfb_pid=$!
      for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    if [ ! -f "$WINEPREFIX/.disctool-prefix" ]; then
      rm -rf "$WINEPREFIX"
      create_prefix
    fi
    $WINESERVER -p </dev/null >/dev/null 2>&1 || true
    $WINE64 wineboot --init </dev/null >/dev/null 2>&1
    mkdir -p "$DDRIVE"
    ln -sfn "$DDRIVE" "$WINEPREFIX/dosdevices/d:"
    printf 'export DISPLAY=%s\nXVFB_PID=%s\n' "$DISPLAY" "$xvfb_pid" > "$state"
    cat "$state"
    ;;
  stop)
    $WINESERVER -k 2>/dev/null || true
    $WINESERVER -w 2>/dev/null || true
    if [ -f "$state" ]; then
      . "$state"
      [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
      rm -f "$state"
    fi
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
