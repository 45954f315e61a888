#!/bin/bash
# The program's main job, from a fresh Debian 12 machine: installs what is missing, builds both
# targets and runs under Wine what exists so far (the command library, through the command probe):
# the release build (i686) where the kernel runs 32-bit programs, else the x86_64 build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/setup.sh"
arch=x86_64
if bash "$here/runs-32bit.sh" >/dev/null; then arch=i686; export WINE_ARCH=32; fi
. "$here/wine-env.sh"
bash "$here/build.sh"
if [ -n "${DISPLAY:-}" ]; then export USE_DISPLAY=1; fi
session=$(bash "$here/wine-session.sh" start)
eval "$session"
trap 'bash "$here/wine-session.sh" stop' EXIT
bin=$BUILD_ROOT/$arch/bin
echo "run: the $arch build"
probe() { echo "cmdprobe $*"; "$here/wine-run.sh" "$bin/cmdprobe.exe" "$@"; }
# "最新版本：" in UTF-8, as the update page carries it, converted to GBK; then found in a GBK text.
probe ConvertEncoding b:e69c80e696b0e78988e69cacefbc9a t:UTF-8 t:GBK r:0
probe FindText x:56312e34d7eed0c2b0e6b1bea3ba56312e35 x:d7eed0c2b0e6b1bea3ba
probe ToLowerCase t:DISC_13.OGG
probe ShowMessageBox t:hello i:0x24 t:DiscTool
