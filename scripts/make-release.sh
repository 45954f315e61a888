#!/bin/bash
# Makes the release zip for Windows users: build/release/Vellumtone-V1.4-win32.zip with
#   Vellumtone.exe          the i686 (32-bit) program
#   使用说明.txt             a short usage note in Chinese for players
#   the licence texts and notices of the libraries linked into it: every *COPYING*, *LICENSE*
#   and *NOTICE* file the build places beside the program in build/i686/bin, and the copyright
#   file of the mingw-w64 runtime the compiler links in
# Builds first (both targets, as scripts/build.sh does).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
bash "$here/build.sh"
bin=$BUILD_ROOT/i686/bin
out=$BUILD_ROOT/release
stage=$out/Vellumtone-V1.4-win32
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage"
cp "$bin/Vellumtone.exe" "$stage/"
# The note in UTF-8 with a byte order mark and CRLF line ends, as Windows' Notepad reads it best.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$REPO_ROOT/tool/app/release/使用说明.txt"; } > "$stage/使用说明.txt"
found=0
for notice in "$bin"/*COPYING* "$bin"/*LICENSE* "$bin"/*NOTICE*; do
  [ -f "$notice" ] || continue
  cp "$notice" "$stage/"
  found=$((found + 1))
done
if [ "$found" = 0 ]; then echo "make-release: no licence texts beside the program in $bin" >&2; exit 1; fi
runtime_copyright=/usr/share/doc/mingw-w64-i686-dev/copyright
if [ -f "$runtime_copyright" ]; then cp "$runtime_copyright" "$stage/mingw-w64-runtime-copyright.txt"; fi
(cd "$out" && zip -q -r -X "$(basename "$stage").zip" "$(basename "$stage")")
echo "make-release: $stage.zip"
(cd "$out" && unzip -l "$(basename "$stage").zip")
