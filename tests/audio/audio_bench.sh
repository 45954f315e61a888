#!/bin/bash
# Conversion benchmark: ConvertAudioFile under Wine (audio_bench.exe) against Debian's native
# oggenc -q 4 (the same libvorbis quality, 0.4) on the same input in the same run, for 3 minutes
# of stereo 44.1 kHz (a tone sweep and pink noise) as WAV, MP3 and FLAC, kept stereo and mixed
# down to mono (oggenc --downmix): the best wall time of ROUNDS runs (5; Wine's start included,
# as oggenc's) and the best CPU time. The memory the conversion took is printed for the
# 3-minute input and for a 15-minute one: bounded, it does not grow with the input.
# Inputs are made once into build/bench-data/audio.
# Run inside a Wine session:  . scripts/wine-env.sh; eval "$(bash scripts/wine-session.sh start)"
#   bash tests/audio/audio_bench.sh [ARCH]     (ARCH: x86_64, the default, or i686)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/scripts/wine-env.sh"
arch=${1:-x86_64}
exe=$BUILD_ROOT/$arch/bin/audio_bench.exe
data=$BUILD_ROOT/bench-data/audio
out=$data/out-$arch
mkdir -p "$data" "$out"
winpath() { echo "Z:${1//\//\\}"; }

if [ ! -f "$data/long.flac" ]; then
  sox -n -r 44100 -c 2 -b 16 "$data/tone.wav" synth 180 sine 200-2000 sine 1500-300 vol 0.4
  sox -n -r 44100 -c 2 -b 16 "$data/noise.wav" synth 180 pinknoise pinknoise vol 0.1
  sox -m "$data/tone.wav" "$data/noise.wav" "$data/long.wav"
  sox "$data/long.wav" "$data/longer.wav" repeat 4   # 15 minutes
  lame --quiet -V 2 "$data/long.wav" "$data/long.mp3"
  flac -s -f -o "$data/long.flac" "$data/long.wav"
  rm -f "$data/tone.wav" "$data/noise.wav"
fi
cat "$data"/long.* "$data/longer.wav" >/dev/null   # every run reads from the page cache

rounds=${ROUNDS:-5}
bench() { "$here/scripts/wine-run.sh" "$exe" "$(winpath "$1")" "$(winpath "$out")" "$2"; }
field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }
min() { if [ -z "$1" ] || [ "$(echo "$2 < $1" | bc -l)" = 1 ]; then echo "$2"; else echo "$1"; fi; }
# One run: "WALL CPU" seconds; the CPU time of oggenc from the shell, of the conversion from
# the process itself (Wine's start is in the wall time only).
run_native() {
  local t0 cpu; t0=$(date +%s.%N)
  cpu=$( { TIMEFORMAT='%U %S'; time oggenc -Q -q 4 "$@" -o "$out/native.ogg" "$data/long.wav"; } 2>&1 | awk '{ print $1 + $2 }')
  echo "$(echo "$(date +%s.%N) - $t0" | bc -l) $cpu"
}
run_ours() {
  local t0 result; t0=$(date +%s.%N)
  result=$(bench "$data/$1" "$2")
  echo "$(echo "$(date +%s.%N) - $t0" | bc -l) $(field "$result" cpu_seconds) $(field "$result" seconds) $(( $(field "$result" private_peak) - $(field "$result" private_base) ))"
}
# Rounds interleave every case, so a busy spell of the machine falls on all of them alike;
# each case keeps its best wall and best CPU time.
cases="native:kept native:mono long.wav:kept long.wav:mono long.mp3:kept long.mp3:mono long.flac:kept long.flac:mono"
declare -A wall cpu own extra
for _ in $(seq "$rounds"); do
  for c in $cases; do
    input=${c%:*} mode=${c#*:}
    if [ "$input" = native ]; then
      read -r w p <<< "$(run_native $([ "$mode" = mono ] && echo --downmix))"; o=$w x=0
    else
      read -r w p o x <<< "$(run_ours "$input" "$mode")"
    fi
    wall[$c]=$(min "${wall[$c]:-}" "$w") cpu[$c]=$(min "${cpu[$c]:-}" "$p") own[$c]=$(min "${own[$c]:-}" "$o") extra[$c]=$x
  done
done
echo "180 s of stereo 44.1 kHz, best of $rounds rounds; speed against oggenc: its time / ours"
echo "(own: the conversion's wall time by the process's clock, without Wine's start)"
printf '%-26s %7s %8s %7s %8s %7s %10s %10s %10s %14s\n' conversion "wall s" "x real" "CPU s" "x real" "own s" \
  "wall ratio" "CPU ratio" "own ratio" "extra private"
for c in $cases; do
  input=${c%:*} mode=${c#*:}
  label="$arch $input $mode"; [ "$input" = native ] && label="oggenc -q 4${mode/mono/ --downmix}" && label=${label/kept/}
  printf '%-26s %7.2f %8.1f %7.2f %8.1f %7.2f' "$label" "${wall[$c]}" "$(echo "180 / ${wall[$c]}" | bc -l)" \
    "${cpu[$c]}" "$(echo "180 / ${cpu[$c]}" | bc -l)" "${own[$c]}"
  if [ "$input" != native ]; then
    printf ' %10.2f %10.2f %10.2f %14d' "$(echo "${wall[native:$mode]} / ${wall[$c]}" | bc -l)" \
      "$(echo "${cpu[native:$mode]} / ${cpu[$c]}" | bc -l)" "$(echo "${wall[native:$mode]} / ${own[$c]}" | bc -l)" "${extra[$c]}"
  fi
  echo
done
echo
printf '%-26s %14s %14s\n' "memory (WAV, mono)" "extra private" "extra w.set"
for input in long.wav longer.wav; do
  result=$(bench "$data/$input" mono)
  printf '%-26s %14d %14d\n' "$input ($(field "$result" audio_seconds) s)" \
    $(( $(field "$result" private_peak) - $(field "$result" private_base) )) \
    $(( $(field "$result" working_set_peak) - $(field "$result" working_set_base) ))
done
