# Sourced by the scripts: the environment every Wine process of this project runs with.
# Debian's Wine: /usr/lib/wine/wine64 runs 64-bit programs; /usr/lib/wine/wine (package
# wine32:i386, installed by setup.sh where the kernel runs 32-bit programs) runs 32-bit ones.
# WINE_ARCH=32 selects the prefix of the i686 build, WINE_ARCH=64 (the default) that of the
# x86_64 build. Both are 64-bit prefixes made the same way (wine-session.sh).
REPO_ROOT=${REPO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD_ROOT=${BUILD_ROOT:-$REPO_ROOT/build}
export WINE64=/usr/lib/wine/wine64
export WINE32=/usr/lib/wine/wine
# One server per prefix, whichever loader starts first: the 64-bit one, also for 32-bit programs.
export WINESERVER=/usr/lib/wine/wineserver64
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null   # gives Wine the ANSI and OEM code page 936
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko installer prompts; no debugger: a crash ends the program at once.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}
# A WINEPREFIX given from outside is kept; one set here follows WINE_ARCH.
if [ -z "${WINEPREFIX:-}" ] || [ "$WINEPREFIX" = "${DISCTOOL_WINEPREFIX:-}" ]; then
  if [ "${WINE_ARCH:-64}" = 32 ]; then WINEPREFIX=$BUILD_ROOT/wineprefix32; else WINEPREFIX=$BUILD_ROOT/wineprefix64; fi
  export DISCTOOL_WINEPREFIX=$WINEPREFIX
  export DDRIVE=$WINEPREFIX-d   # the prefix's drive D:
fi
export WINEPREFIX
export DDRIVE=${DDRIVE:-$WINEPREFIX-d}
