#!/bin/bash
# Installs what building and testing need on Debian 12 (as root), once; later runs only check.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(wine64 fonts-wine xvfb x11-utils xdotool imagemagick fonts-wqy-microhei locales bc
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix cmake googletest python3 file
          sox vorbis-tools zip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  # The mirror's i386 security index may be broken: a failed update is a warning here.
  apt-get update -qq || echo "setup: apt-get update reported errors (ignored)"
  apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! command -v npm >/dev/null; then
  # npm fetches the libiconv sources at configure time.
  apt-get install -y -q --no-install-recommends npm >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
