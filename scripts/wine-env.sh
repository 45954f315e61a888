# Sourced by the scripts: the environment every Wine process of this project runs with.
# WINE_ARCH=32 selects the 32-bit Wine (unpacked by get-wine32.sh) and its own prefix.
REPO_ROOT=${REPO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD_ROOT=${BUILD_ROOT:-$REPO_ROOT/build}
export WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINE32_ROOT=${WINE32_ROOT:-$BUILD_ROOT/wine32/root}
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null   # gives Wine the ANSI and OEM code page 936
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko installer prompts; no debugger: a crash ends the program at once.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}
if [ "${WINE_ARCH:-64}" = 32 ]; then
  export WINEPREFIX=${WINEPREFIX:-$BUILD_ROOT/wineprefix32}
  export WINEDLLPATH=$WINE32_ROOT/usr/lib/i386-linux-gnu/wine
else
  export WINEPREFIX=${WINEPREFIX:-$BUILD_ROOT/wineprefix64}
fi
export DDRIVE=${DDRIVE:-$BUILD_ROOT/ddrive}   # the test run's drive D:
