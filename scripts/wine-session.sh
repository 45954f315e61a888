#!/bin/bash
# Starts or stops the Wine session the tests and the demo run in: an X display (Xvfb unless
# USE_DISPLAY=1 keeps the current one), the prefix of WINE_ARCH (wine-env.sh; created once,
# then reused), a persistent wineserver and Wine's services, booted here with their output on
# /dev/null so that no test runner waits for them.
#   wine-session.sh start   prints the session's variables (DISPLAY=..., XVFB_PID=...)
#   wine-session.sh stop
# Both prefixes are 64-bit ones made the same way (virtual desktop, font replacements, drive D:).
# Made while a 32-bit Wine that runs is installed, a prefix has its 32-bit side as well; its
# marker file says which ("wow64" or "64"), and a prefix made otherwise than it would be made now
# (a 64-bit prefix made before the 32-bit Wine came) is made anew.
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

# Starts Xvfb on a free display and waits until it answers. Another session may take the same
# display at the same moment: then this Xvfb ends, and the next free display is tried.
start_xvfb() {
  local attempt
  for attempt in 1 2 3 4 5; do
    export DISPLAY=$(find_free_display)
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 300); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  done
  fail "Xvfb did not start"
}

# Ends the start: the Xvfb started here goes too.
fail() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  echo "wine-session.sh: $*" >&2
  exit 1
}

# How a prefix made now would be: with its 32-bit side where the 32-bit Wine is there and runs.
wine_setup() {
  if [ -x "$WINE32" ] && bash "$here/runs-32bit.sh" >/dev/null 2>&1; then echo wow64; else echo 64; fi
}

create_prefix() {  # made as $setup says
  mkdir -p "$WINEPREFIX"
  # A plain (not persistent) server here: -w waits until it has gone.
  $WINE64 wineboot --init </dev/null >/dev/null 2>&1
  $WINESERVER -w
  local reg=$WINEPREFIX/desktop.reg
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$here/wine/desktop.reg"; } > "$reg"   # regedit wants UTF-16LE with a BOM
  $WINE64 regedit /S "$(winepath_of "$reg")" </dev/null >/dev/null 2>&1
  $WINESERVER -w
  if [ "$setup" = wow64 ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    fail "the prefix $WINEPREFIX was made without its 32-bit side"
  fi
  echo "$setup" > "$WINEPREFIX/.disctool-prefix"
}

winepath_of() { echo "Z:${1//\//\\}"; }

case "${1:-}" in
  start)
    setup=$(wine_setup)
    if [ "${WINE_ARCH:-64}" = 32 ] && [ "$setup" != wow64 ]; then
      fail "no 32-bit Wine that runs ($WINE32) for the i686 build; scripts/setup.sh installs it where the kernel runs 32-bit programs"
    fi
    xvfb_pid=
    if [ "${USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
      :
    else
      start_xvfb
    fi
    if [ "$(cat "$WINEPREFIX/.disctool-prefix" 2>/dev/null)" != "$setup" ]; then
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
