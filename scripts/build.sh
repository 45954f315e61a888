#!/bin/bash
# Configures and builds both targets: build/x86_64 (the tests run it) and build/i686 (release).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
jobs=$(nproc)
export LC_ALL=C.UTF-8   # compiler messages in English; the sources set their own charsets
for arch in x86_64 i686; do
  dir=$BUILD_ROOT/$arch
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$REPO_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-$arch.cmake" \
          -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  echo "build: $arch"
  log=$dir/build.log
  if ! cmake --build "$dir" -j"$jobs" >"$log" 2>&1; then
    grep -E -B2 -A6 'error|Error' "$log" | head -80
    echo "build: $arch failed (log: $log)"
    exit 1
  fi
  grep -E -A4 'warning:' "$log" | head -40 || true
done
