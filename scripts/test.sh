#!/bin/bash
# Installs what is missing, builds both targets and runs every test under Wine: on the i686
# build (the release) where the kernel runs 32-bit programs, and on the x86_64 build. Each
# build runs in its own Wine session and prefix.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
t0=$(date +%s)
bash "$here/setup.sh" || { echo "setup failed"; exit 1; }
. "$here/wine-env.sh"   # after the set-up: its locale exists from then on
t1=$(date +%s)
bash "$here/build.sh" || { echo "build failed"; exit 1; }
t2=$(date +%s)

status=0
run_ctest() {  # $1 = arch (i686 or x86_64)
  local arch=$1 bits=64
  [ "$arch" = i686 ] && bits=32
  echo "test: $arch build, all tests"
  (
    export WINE_ARCH=$bits
    unset WINEPREFIX DDRIVE
    . "$here/wine-env.sh"
    session=$(bash "$here/wine-session.sh" start) || { echo "test: the $arch Wine session did not start"; exit 1; }
    eval "$session"
    trap 'bash "$here/wine-session.sh" stop' EXIT
    cd "$BUILD_ROOT/$arch" && ctest --output-on-failure --no-tests=error --timeout 600
  ) || status=1
}

runs32=$(bash "$here/runs-32bit.sh")
case $? in
  0) run_ctest i686 ;;
  1) echo "test: $runs32; the i686 build is compiled, its tests are not run" ;;
  *) echo "test: cannot tell whether 32-bit programs run here; the i686 build's tests did not run"; status=1 ;;
esac
run_ctest x86_64
echo "test: set-up $((t1 - t0)) s, build $((t2 - t1)) s, tests $(( $(date +%s) - t2 )) s"
exit $status
