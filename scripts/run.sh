#!/bin/bash
# The program's main job, from a fresh Debian 12 machine: installs what is missing, builds both
# targets, lays out a demo game folder and starts the tool in it under Wine.
#   - with an X display ($DISPLAY set): the tool opens there and you use it yourself;
#   - without one: under Xvfb a driver does one replacement as a user would, and pictures of the
#     main window and the about window are saved (the script says where).
# The demo folder is build/demo: .minecraft with assets/indexes/1.12.json (shaped like a real
# index, the twelve discs among about 3000 other entries) and assets/objects/, and music/demo.ogg,
# a short Ogg Vorbis file made here with sox and oggenc. The tool writes the new index to drive D:,
# which the Wine session maps to the Wine prefix's folder beside it ($DDRIVE, build/wineprefix*-d).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/setup.sh"
# The release build (i686) where the kernel runs 32-bit programs, else the x86_64 build.
arch=x86_64
if bash "$here/runs-32bit.sh" >/dev/null; then arch=i686; export WINE_ARCH=32; fi
. "$here/wine-env.sh"
bash "$here/build.sh"

demo=$BUILD_ROOT/demo
rm -rf "$demo"
python3 "$here/make-demo-game.py" "$demo"
# A short tune: four plucked notes, mono, 44.1 kHz.
sox -n -r 44100 -c 1 -b 16 "$demo/music/demo.wav" synth 0.4 pluck C4 : synth 0.4 pluck E4 : synth 0.4 pluck G4 : synth 0.8 pluck C5
oggenc -Q -q 3 -o "$demo/music/demo.ogg" "$demo/music/demo.wav"
rm "$demo/music/demo.wav"
bin=$BUILD_ROOT/$arch/bin
echo "run: the $arch build"
cp "$bin/Vellumtone.exe" "$demo/.minecraft/"

winpath() { echo "Z:${1//\//\\}"; }
index=$(winpath "$demo/.minecraft/assets/indexes/1.12.json")
audio=$(winpath "$demo/music/demo.ogg")

if [ -n "${DISPLAY:-}" ]; then export USE_DISPLAY=1; fi
session=$(bash "$here/wine-session.sh" start)
eval "$session"
trap 'bash "$here/wine-session.sh" stop' EXIT
rm -f "$DDRIVE/1.12.json"

if [ "${USE_DISPLAY:-0}" = 1 ]; then
  echo "run: the tool starts on display $DISPLAY in $demo/.minecraft"
  echo "run: in its first dialog choose  $index"
  echo "run: with 读入ogg choose          $audio"
  echo "run: then pick a disc in the list and press 替换ogg文件; the new index goes to D:\\ ($DDRIVE)"
  (cd "$demo/.minecraft" && "$here/wine-run.sh" ./Vellumtone.exe) || true
else
  shot=$BUILD_ROOT/demo-main-window.png
  echo "run: no display; under Xvfb ($DISPLAY) the demo replaces cat.ogg with $audio"
  # (Wine's file dialog notes that drive Z: has no volume label: that line is left out.)
  "$here/wine-run.sh" "$bin/demo_driver.exe" "$(winpath "$demo/.minecraft/Vellumtone.exe")" "$index" "$audio" \
    "$(winpath "$BUILD_ROOT/demo-main-window.bmp")" "$(winpath "$BUILD_ROOT/demo-about-window.bmp")" \
    2> >(grep -v 'FS volume label' >&2)
  convert "$BUILD_ROOT/demo-main-window.bmp" "$shot" && rm -f "$BUILD_ROOT/demo-main-window.bmp"
  convert "$BUILD_ROOT/demo-about-window.bmp" "$BUILD_ROOT/demo-about-window.png" && rm -f "$BUILD_ROOT/demo-about-window.bmp"
  echo "run: pictures of the main window and the about window: $shot, $BUILD_ROOT/demo-about-window.png"
fi
if [ -f "$DDRIVE/1.12.json" ]; then
  echo "run: the rewritten index: $DDRIVE/1.12.json (drive D: of the Wine session)"
  grep -o '"minecraft/sounds/records/cat.ogg":{[^}]*}' "$DDRIVE/1.12.json" || true
  echo "run: objects installed: $(cd "$demo/.minecraft/assets/objects" && find . -type f | sed 's|^\./||')"
fi
