#!/bin/bash
# Installs what is missing, builds both targets and runs every test under Wine.
# The 64-bit build runs all tests; the 32-bit build runs those that need no GUI, when a
# 32-bit Wine can be set up.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
bash "$here/setup.sh" || exit 1
bash "$here/build.sh" || { echo "build failed"; exit 1; }

status=0
run_ctest() {  # $1 = arch, rest = ctest options
  local arch=$1; shift
  local session
  session=$(bash "$here/wine-session.sh" start) || { echo "test: the Wine session did not start"; return 1; }
  eval "$session"
  (cd "$BUILD_ROOT/$arch" && ctest --output-on-failure --timeout 600 "$@") || status=1
  bash "$here/wine-session.sh" stop
}

if bash "$here/get-wine32.sh" 2>/dev/null; then
  export WINE_ARCH=32; unset WINEPREFIX
  . "$here/wine-env.sh"
  echo "test: i686 build (32-bit Wine), tests without GUI"
  run_ctest i686 -LE gui
else
  echo "test: no 32-bit Wine runs on this machine ($(bash "$here/get-wine32.sh" 2>&1 | tail -1)); the i686 build is compiled, its tests are not run"
fi
export WINE_ARCH=64; unset WINEPREFIX WINEDLLPATH
. "$here/wine-env.sh"
echo "test: x86_64 build, all tests"
run_ctest x86_64
exit $status
