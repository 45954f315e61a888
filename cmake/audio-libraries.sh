#!/bin/bash
# Builds the audio codec libraries as static libraries for one mingw-w64 target with their own
# configure scripts, out of the (shared, read-only) source trees. Called by audio-libraries.cmake
# at configure time:
#   audio-libraries.sh HOST SOURCES BUILD PREFIX JOBS CFLAGS
# SOURCES holds versions.txt ("package version folder", see scripts/get-audio-sources.sh).
# libogg then libvorbis, libFLAC and libmpg123 are three independent chains run side by side:
# the configure scripts are serial, so this is what keeps both cores busy. Only the library
# parts are built. Logs: BUILD/<package>/{configure,make}.log; times: BUILD/times.txt.
set -euo pipefail
host=$1 sources=$2 build=$3 prefix=$4 jobs=$5 cflags=$6
folder() { awk -v p="$1" '$1 == p { print $3 }' "$sources/versions.txt"; }
now() { date +%s.%N; }

configure() {  # package configure-args...   ($extra: flags of this package only)
  local p=$1; shift
  mkdir -p "$build/$p"
  cd "$build/$p"
  "$sources/$(folder "$p")/configure" --host="$host" --prefix="$prefix" --disable-shared --enable-static \
    --disable-dependency-tracking CFLAGS="$cflags${extra:+ $extra}" PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" "$@" \
    >configure.log 2>&1
}
# Each step: configure, then make only what the library needs (top-level makes would also
# build programs, documents and tests; Debian's patches to doc/ and test/ Makefile.am files
# would even call automake).
build_libogg() {
  configure libogg && make -j"$jobs" -C src install >make.log 2>&1 && make -C include install >>make.log 2>&1
}
build_libvorbis() {
  # -ffast-math, as libvorbis's configure chooses it for every Linux host (and so for Debian's
  # own build); for other hosts it leaves it out.
  extra=-ffast-math configure libvorbis --disable-docs --disable-examples --disable-oggtest --with-ogg="$prefix" &&
    make -j"$jobs" -C lib install >make.log 2>&1 && make -C include install >>make.log 2>&1
}
build_flac() {
  configure flac --disable-ogg --disable-programs --disable-examples --disable-cpplibs --disable-doxygen-docs \
    --disable-stack-smash-protection --disable-fortify-source &&
    make -j"$jobs" -C src/libFLAC install >make.log 2>&1 && make -C include install >>make.log 2>&1
}
build_mpg123() {
  # The player and the output and synthesis helper libraries cannot be switched off: build the
  # decoding library alone and install its two headers by hand.
  configure mpg123 --with-audio=dummy --disable-modules --disable-network &&
    make -j"$jobs" src/libmpg123/libmpg123.la >make.log 2>&1 &&
    install -D -m644 src/libmpg123/.libs/libmpg123.a "$prefix/lib/libmpg123.a" &&
    install -D -m644 src/libmpg123/mpg123.h "$prefix/include/mpg123.h" &&
    install -D -m644 "$sources/$(folder mpg123)/src/libmpg123/fmt123.h" "$prefix/include/fmt123.h"
}
timed() {  # package...: builds them in order, one line of time each
  local p t0
  for p in "$@"; do
    t0=$(now)
    if ! (build_"$p"); then
      echo "audio libraries: $p failed for $host; the end of its log:"
      tail -25 "$(ls -t "$build/$p"/*.log | head -1)"
      return 1
    fi
    awk -v p="$p" -v a="$t0" -v b="$(now)" 'BEGIN { printf "%-10s %6.1f s\n", p, b - a }' >>"$build/times.txt"
  done
}

rm -rf "$prefix"
mkdir -p "$build" "$prefix"
: >"$build/times.txt"
t0=$(now)
timed libogg libvorbis & a=$!
timed flac & b=$!
timed mpg123 & c=$!
status=0
for pid in $a $b $c; do wait "$pid" || status=1; done
[ $status = 0 ] || exit 1
awk -v a="$t0" -v b="$(now)" 'BEGIN { printf "%-10s %6.1f s\n", "all", b - a }' >>"$build/times.txt"
cat "$build/times.txt"
