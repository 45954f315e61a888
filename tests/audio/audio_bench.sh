#!/bin/bash
# Conversion benchmark: ConvertAudioFile under Wine (audio_bench.exe) against Debian's native
# oggenc -q 4 (the same libvorbis quality, 0.4) on the same input in the same run, for 3 minutes
# of stereo 44.1 kHz (a tone sweep and pink noise) as WAV, MP3 and FLAC, kept stereo and mixed
# down to mono (oggenc --downmix), best of 3 wall-clock runs each (Wine's start included, as
# oggenc's), and the process's own time. The memory the conversion took is printed for the
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

now() { date +%s.%N; }
best_of_3() {  # command...: the shortest wall time of three runs, seconds
  local best= t0 s
  for _ in 1 2 3; do
    t0=$(now)
    "$@" >/dev/null
    s=$(echo "$(now) - $t0" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$s < $best" | bc -l)" = 1 ]; then best=$s; fi
  done
  echo "$best"
}
bench() { "$here/scripts/wine-run.sh" "$exe" "$(winpath "$1")" "$(winpath "$out")" "$2"; }
field() { echo "$1" | tr -d '\r' | awk -v k="$2" '$1 == k { print $2 }'; }

native_stereo=$(best_of_3 oggenc -Q -q 4 -o "$out/native.ogg" "$data/long.wav")
native_mono=$(best_of_3 oggenc -Q -q 4 --downmix -o "$out/native_mono.ogg" "$data/long.wav")
printf '%-24s %8s %10s %8s %10s %12s\n' conversion "wall s" "x realtime" "own s" "vs oggenc" "extra private"
printf '%-24s %8.2f %10.1f\n' "oggenc -q 4" "$native_stereo" "$(echo "180 / $native_stereo" | bc -l)"
printf '%-24s %8.2f %10.1f\n' "oggenc -q 4 --downmix" "$native_mono" "$(echo "180 / $native_mono" | bc -l)"
for input in long.wav long.mp3 long.flac; do
  for mode in kept mono; do
    wall=$(best_of_3 bench "$data/$input" "$mode")
    result=$(bench "$data/$input" "$mode")
    native=$native_stereo; [ "$mode" = mono ] && native=$native_mono
    printf '%-24s %8.2f %10.1f %8.2f %10.2f %12d\n' "$arch $input $mode" "$wall" "$(echo "180 / $wall" | bc -l)" \
      "$(field "$result" seconds)" "$(echo "$native / $wall" | bc -l)" \
      $(( $(field "$result" private_peak) - $(field "$result" private_base) ))
  done
done
echo
printf '%-24s %14s %14s\n' "memory (WAV, mono)" "extra private" "extra w.set"
for input in long.wav longer.wav; do
  result=$(bench "$data/$input" mono)
  printf '%-24s %14d %14d\n' "$input ($(field "$result" audio_seconds) s)" \
    $(( $(field "$result" private_peak) - $(field "$result" private_base) )) \
    $(( $(field "$result" working_set_peak) - $(field "$result" working_set_base) ))
done
