#!/usr/bin/env python3
"""Checks the converted files that audio_conversion_test listed, with Debian's own tools.

    check_audio_outputs.py DIR

For each line of DIR/converted.txt (name mode channels rate reference path): ogginfo finds a
clean Ogg Vorbis stream; oggdec decodes it; the decoded signal has the channels and the rate
asked for, the reference's length within 50 ms, and correlates with the reference (mixed down
to one channel for a mono output) at 0.98 or more, at about the same level.
Prints one line per file and "N passed, N failed"; exits 1 on any failure.
"""
import array
import math
import os
import subprocess
import sys
import tempfile
import wave


def read_wav(path):
    """(channels, rate, samples per channel as lists of floats) of a 16-bit WAV."""
    with wave.open(path, "rb") as w:
        channels, rate, width = w.getnchannels(), w.getframerate(), w.getsampwidth()
        if width != 2:
            raise ValueError(f"{path}: {8 * width}-bit samples")
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        data.byteswap()
    return channels, rate, [data[c::channels] for c in range(channels)]


def correlation(a, b):
    n = min(len(a), len(b))
    sab = sum(x * y for x, y in zip(a[:n], b[:n]))
    saa = sum(x * x for x in a[:n])
    sbb = sum(y * y for y in b[:n])
    return sab / math.sqrt(saa * sbb), math.sqrt(sbb / saa)


def check(root, line):
    name, mode, channels, rate, reference, path = line.split(" ", 5)
    channels, rate = int(channels), int(rate)
    path = os.path.join(root, *path.split("\\"))
    info = subprocess.run(["ogginfo", path], capture_output=True, text=True, errors="replace")
    if info.returncode != 0 or any(l.lower().startswith(("warning", "error")) for l in info.stdout.splitlines()):
        return False, f"ogginfo: {info.stdout.strip()[-300:]}"
    with tempfile.TemporaryDirectory() as tmp:
        decoded = os.path.join(tmp, "decoded.wav")
        subprocess.run(["oggdec", "-Q", "-o", decoded, path], check=True)
        got_channels, got_rate, got = read_wav(decoded)
    ref_channels, ref_rate, ref = read_wav(os.path.join(root, "ref", reference))
    if channels == 1 and ref_channels > 1:
        ref = [[sum(s) / ref_channels for s in zip(*ref)]]
    detail = f"{got_channels} ch, {got_rate} Hz"
    if got_channels != channels or got_rate != rate:
        return False, f"{detail}, wanted {channels} ch, {rate} Hz"
    diff_ms = abs(len(got[0]) - len(ref[0])) * 1000 / rate
    detail += f", length differs by {diff_ms:.1f} ms"
    worst_r, levels = 1.0, []
    for c in range(channels):
        r, level = correlation(ref[c], got[c])
        worst_r = min(worst_r, r)
        levels.append(level)
    detail += f", r = {worst_r:.4f}, level {min(levels):.3f}..{max(levels):.3f}"
    good = diff_ms <= 50 and worst_r >= 0.98 and all(0.89 <= l <= 1.12 for l in levels)
    return good, detail


def main():
    root = sys.argv[1]
    listed = os.path.join(root, "converted.txt")
    lines = [l for l in open(listed, "rb").read().decode("gbk").splitlines() if l.strip()]
    passed = failed = 0
    for line in lines:
        try:
            good, detail = check(root, line)
        except (OSError, ValueError, subprocess.CalledProcessError, wave.Error) as e:
            good, detail = False, str(e)
        print(f"{'ok  ' if good else 'FAIL'} {' '.join(line.split(' ')[:2])}: {detail}")
        passed, failed = passed + good, failed + (not good)
    if not lines:
        print(f"{listed} lists no converted file")
        failed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
