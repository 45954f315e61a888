#!/bin/bash
# Hashing benchmark: ComputeSha1Hex under Wine (sha1_bench.exe) against the native sha1sum on
# the same bytes, for 2.6 MB (the largest stock track) and 100 MB. The data files are written
# once into build/bench-data. Prints MB/s of both, the ratio and the memory the program took.
# Run inside a Wine session:  . scripts/wine-env.sh; eval "$(bash scripts/wine-session.sh start)"
#   bash tests/bench/sha1_bench.sh [ARCH]     (ARCH: x86_64, the default, or i686)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/scripts/wine-env.sh"
arch=${1:-x86_64}
exe=$BUILD_ROOT/$arch/bin/sha1_bench.exe
data=$BUILD_ROOT/bench-data
mkdir -p "$data"

best_sha1sum() {  # best of 5 runs, seconds
  local best= t0 t1 s
  for _ in 1 2 3 4 5; do
    t0=$(date +%s.%N); sha1sum "$1" >/dev/null; t1=$(date +%s.%N)
    s=$(echo "$t1 - $t0" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$s < $best" | bc -l)" = 1 ]; then best=$s; fi
  done
  echo "$best"
}

printf '%-10s %10s %9s %12s %6s %9s %14s %12s\n' bytes "wine ms" "wine MB/s" "sha1sum MB/s" ratio "fixed ms" "extra private" "extra w.set"
for size in 2587419 104857600; do
  file=$data/sha1_$size.bin
  [ -f "$file" ] && [ "$(stat -c %s "$file")" = "$size" ] || head -c "$size" /dev/urandom > "$file"
  cat "$file" > /dev/null   # both read from the page cache
  out=$("$here/scripts/wine-run.sh" "$exe" "Z:${file//\//\\}" 5 | tr -d '\r')
  get() { echo "$out" | awk -v k="$1" '$1 == k {print $2}'; }
  native=$(sha1sum "$file" | cut -d' ' -f1)
  if [ "$(get hash | tr 'A-F' 'a-f')" != "$native" ]; then echo "hash differs: $(get hash) $native" >&2; exit 1; fi
  seconds=$(best_sha1sum "$file")
  native_mbps=$(echo "$size / 1000000 / $seconds" | bc -l)
  ratio=$(echo "$(get mbps) / $native_mbps" | bc -l)
  printf '%-10s %10.2f %9.1f %12.1f %6.2f %9.2f %14d %12d\n' "$size" "$(echo "$(get seconds) * 1000" | bc -l)" \
    "$(get mbps)" "$native_mbps" "$ratio" "$(echo "$(get empty_seconds) * 1000" | bc -l)" \
    $(( $(get private_peak) - $(get private_base) )) $(( $(get working_set_peak) - $(get working_set_base) ))
done
