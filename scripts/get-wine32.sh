#!/bin/bash
# A 32-bit Wine for the i686 build's tests, without the wine32 package (its dependencies do not
# resolve here): libc6:i386 pinned to the installed libc6, libwine:i386 and wine32:i386 of the
# installed wine64 version unpacked into a private folder. Prints nothing on success;
# exits non-zero when it cannot be had.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
root=$WINE32_ROOT
runs() { "$root/usr/lib/wine/wine" --version >/dev/null 2>&1; }
if [ -x "$root/usr/lib/wine/wine" ]; then
  runs && exit 0
  echo "get-wine32.sh: this machine's kernel does not run 32-bit programs" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
dest=$(dirname "$root")
mkdir -p "$dest"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq >/dev/null 2>&1 || true
fi
libc=$(dpkg-query -W -f='${Version}' libc6:amd64)
dpkg-query -W -f='${Status}' libc6:i386 2>/dev/null | grep -q "ok installed" ||
  apt-get install -y -qq --no-install-recommends "libc6:i386=$libc" >/dev/null 2>&1 ||
  { apt-get update -qq >/dev/null 2>&1 || true; apt-get install -y -qq --no-install-recommends "libc6:i386=$libc" >/dev/null; }
wine=$(dpkg-query -W -f='${Version}' wine64)
cd "$dest"
chmod 777 "$dest" 2>/dev/null || true   # the _apt sandbox user writes here
rm -f ./*.deb
apt-get download -qq "libwine:i386=$wine" "wine32:i386=$wine" >/dev/null 2>&1
rm -rf "$root"
for d in libwine_*_i386.deb wine32_*_i386.deb; do dpkg-deb -x "$d" "$root"; done
rm -f ./*.deb
# 32-bit programs start 64-bit helpers (conhost.exe, ...) through "${WINELOADER}64".
ln -sf /usr/lib/wine/wine64 "$root/usr/lib/wine/wine64"
runs || { echo "get-wine32.sh: this machine's kernel does not run 32-bit programs" >&2; exit 1; }
