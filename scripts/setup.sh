#!/bin/bash
# Installs what the build, the tests and the main job need on Debian 12 (as root), once; later
# runs only check. A pristine minbase root lacks every program named here. Where the kernel runs
# 32-bit programs it also installs Debian's 32-bit Wine, for the i686 build's tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive
export LC_ALL=C.UTF-8   # the Chinese locale the Wine scripts use may not exist yet
apt_get() { apt-get -o DPkg::Lock::Timeout=600 "$@"; }

# Libraries that Wine only recommends and the tests rely on, installed for each Wine alike:
# TLS for HTTPS (WinINet) and the X extensions of Wine's display driver.
wine_libraries=(libgnutls30 libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1)

# Everything for amd64, one list: add a package beside what uses it.
packages=(
  make cmake                                          # the build (cmake only recommends make)
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix # the cross compilers of both targets
  googletest                                          # GoogleTest's sources, built by the cross compilers
  ca-certificates                                     # npm fetches the libiconv sources at configure time
  wine64 fonts-wine "${wine_libraries[@]}"            # the 64-bit Wine the tests and the main job run in
  xvfb x11-utils                                      # the tests' X display; xdpyinfo waits for it
  fonts-wqy-microhei locales                          # Chinese glyphs; localedef's zh_CN (code page 936)
  python3                                             # the tests' HTTP server
  libc6:i386                                          # its loader tells whether 32-bit programs run
  bc                                                  # the benchmark scripts' arithmetic
  xdotool imagemagick file                            # looking at windows by hand (import -window root)
  dpkg-dev                                            # dpkg-source unpacks the audio codecs' source packages
  sox lame flac vorbis-tools                          # the audio tests' inputs and the check of their outputs
)
# Programs that may come from elsewhere (some Node.js builds bring their own npm): the package
# only where the command is missing.
declare -A commands=([npm]=npm)
# The i686 build's tests: Debian's complete 32-bit Wine, where the kernel runs 32-bit programs.
packages_32bit=(wine32:i386 "${wine_libraries[@]/%/:i386}")

missing() {  # prints those of the given packages that are not installed
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
  done
}
install_packages() {
  echo "setup: installing $*"
  # A broken index of one suite (it happens to the i386 security index) is a warning here.
  if [ -z "${apt_updated:-}" ]; then
    apt_get update -qq || echo "setup: apt-get update reported errors (ignored)"
    apt_updated=1
  fi
  apt_get install -y -q --no-install-recommends "$@" >/dev/null
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
mapfile -t need < <(missing "${packages[@]}")
for c in "${!commands[@]}"; do command -v "$c" >/dev/null || need+=("${commands[$c]}"); done
[ ${#need[@]} -eq 0 ] || install_packages "${need[@]}"

# The audio codec libraries' sources, from the release's source packages (once).
bash "$here/get-audio-sources.sh" >/dev/null

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

set +e
bash "$here/runs-32bit.sh" >/dev/null
runs32=$?
set -e
case $runs32 in
  0)
    mapfile -t need < <(missing "${packages_32bit[@]}")
    [ ${#need[@]} -eq 0 ] || install_packages "${need[@]}"
    version=$(/usr/lib/wine/wine --version 2>&1) && [[ $version == wine-* ]] || {
      echo "setup: the kernel runs 32-bit programs, but Debian's 32-bit Wine does not start: $version"
      exit 1
    }
    ;;
  1) ;;  # no 32-bit Wine: the test command says so
  *) echo "setup: cannot tell whether this machine runs 32-bit programs"; exit 1 ;;
esac
