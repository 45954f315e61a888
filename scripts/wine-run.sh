#!/bin/bash
# Runs a Windows program under Wine and passes its exit code through (Wine truncates it to
# 8 bits). CMake's cross-compiling emulator for the test programs.
# wine64 "runs" a 32-bit program by doing nothing and exiting 0, so a 32-bit program goes to
# the 32-bit Wine, and fails loudly when there is none.
here=$(cd "$(dirname "$0")" && pwd)
exe=$1
machine=
if [ -f "$exe" ]; then
  off=$(od -An -t u4 -j 60 -N 4 "$exe" | tr -d ' ')
  machine=$(od -An -t x2 -j $((off + 4)) -N 2 "$exe" | tr -d ' ')
fi
if [ "$machine" = 014c ]; then
  WINE_ARCH=32 . "$here/wine-env.sh"
  wine32=$WINE32_ROOT/usr/lib/wine/wine
  if [ ! -x "$wine32" ]; then
    echo "wine-run.sh: $exe is a 32-bit program and no 32-bit Wine is set up ($wine32)" >&2
    exit 126
  fi
  WINELOADER=$wine32 exec "$wine32" "$@"
fi
. "$here/wine-env.sh"
if [ "$machine" != 8664 ]; then
  echo "wine-run.sh: $exe is not a Windows program" >&2
  exit 126
fi
exec "$WINE64" "$@"
