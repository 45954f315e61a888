#!/usr/bin/env python3
"""Makes the audio files the end-to-end tests choose in the tool, with Debian's sox, lame, flac
and oggenc.

    make_tool_audio.py DIR

DIR/in/:  plain_<n>.ogg (n = 1..16): short mono Ogg Vorbis tunes of different lengths, the
          files the tests install as chosen; and the stereo and mono inputs of the audio cases
          (names as in INPUTS), made from the references in DIR/ref/ as the conversion tests
          make theirs.
DIR/installed/ and DIR/converted.txt: emptied here; the tests put the installed objects and
          their list there for check_audio_outputs.py.
"""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "audio"))
import make_audio_inputs as inputs  # noqa: E402

# name, channels, rate, how it is made from the reference (as make_audio_inputs.py rows)
INPUTS = [
    ("wav_s16_stereo_44100", 2, 44100, ("wavpcm", "-b", "16", "-e", "signed-integer")),
    ("wav_f32_stereo_48000", 2, 48000, ("wavpcm", "-b", "32", "-e", "floating-point")),
    ("mp3_vbr_stereo_44100", 2, 44100, ("lame", "-V", "4")),
    ("flac_16_stereo_22050", 2, 22050, ("flac", "16")),
    ("ogg_stereo_48000", 2, 48000, ("oggenc",)),
    ("ogg_mono_22050", 1, 22050, ("oggenc",)),
    ("mp3_cbr_mono_22050", 1, 22050, ("lame", "-b", "64")),
]
PLAIN = 16


def main():
    root = sys.argv[1]
    for sub in ("ref", "in", "installed"):
        shutil.rmtree(os.path.join(root, sub), ignore_errors=True)
        os.makedirs(os.path.join(root, sub))
    listed = os.path.join(root, "converted.txt")
    if os.path.exists(listed):
        os.remove(listed)
    for name, channels, rate, how in INPUTS:
        inputs.make(root, name, channels, rate, how)
    for n in range(1, PLAIN + 1):
        wav = os.path.join(root, "in", f"plain_{n}.wav")
        subprocess.run(["sox", "-n", "-r", "22050", "-c", "1", "-b", "16", wav, "synth", str(0.5 + 0.1 * n),
                        "sine", str(200 + 37 * n), "vol", "0.4"], check=True)
        subprocess.run(["oggenc", "-Q", "-q", "1", "-o", os.path.join(root, "in", f"plain_{n}.ogg"), wav], check=True)
        os.remove(wav)
    print(f"{len(INPUTS)} inputs and {PLAIN} plain Ogg files in {root}")


if __name__ == "__main__":
    main()
