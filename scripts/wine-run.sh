#!/bin/bash
# Runs a Windows program under Wine and passes its exit code through (Wine truncates it to
# 8 bits). CMake's cross-compiling emulator for the test programs of both builds.
# The loader is chosen by the program's machine type: wine64 "runs" a 32-bit program by doing
# nothing and exiting 0, so a 32-bit program goes to the 32-bit loader, and fails loudly when
# there is none or the prefix lacks its 32-bit side.
here=$(cd "$(dirname "$0")" && pwd)
exe=$1
machine=
if [ -f "$exe" ]; then
  off=$(od -An -t u4 -j 60 -N 4 "$exe" | tr -d ' ')
  machine=$(od -An -t x2 -j $((off + 4)) -N 2 "$exe" | tr -d ' ')
fi
case "$machine" in
  014c)
    WINE_ARCH=32 . "$here/wine-env.sh"
    if [ ! -x "$WINE32" ]; then
      echo "wine-run.sh: $exe is a 32-bit program and there is no 32-bit Wine ($WINE32)" >&2
      exit 126
    fi
    marker=$WINEPREFIX/.disctool-prefix
    if [ -f "$marker" ] && [ "$(cat "$marker")" != wow64 ]; then
      echo "wine-run.sh: the prefix $WINEPREFIX was made without the 32-bit Wine; wine-session.sh start makes it anew" >&2
      exit 126
    fi
    # A 32-bit process starts 64-bit ones through "${WINELOADER}64".
    WINELOADER=$WINE32 exec "$WINE32" "$@"
    ;;
  8664)
    . "$here/wine-env.sh"
    exec "$WINE64" "$@"
    ;;
  *)
    echo "wine-run.sh: $exe is not a Windows program" >&2
    exit 126
    ;;
esac
