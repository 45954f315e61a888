#!/bin/bash
# The program's main job, from a fresh Debian 12 machine: installs what is missing, builds both
# targets and runs under Wine what exists so far (the command library, through the command probe).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
bash "$here/setup.sh"
bash "$here/build.sh"
if [ -n "${DISPLAY:-}" ]; then export USE_DISPLAY=1; fi
eval "$(bash "$here/wine-session.sh" start)"
trap 'bash "$here/wine-session.sh" stop' EXIT
bin=$BUILD_ROOT/x86_64/bin
probe() { echo "cmdprobe $*"; "$here/wine-run.sh" "$bin/cmdprobe.exe" "$@"; }
probe ByteSetLength b:d7eed0c2b0e6b1be
