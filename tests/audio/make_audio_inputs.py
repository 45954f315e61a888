#!/usr/bin/env python3
"""Makes the audio test inputs with Debian's sox, lame, flac and oggenc.

    make_audio_inputs.py DIR

DIR/ref/: the signal of each layout as 16-bit WAV (the reference the outputs are compared with).
DIR/in/:  the inputs, one per row of INPUTS; DIR/inputs.txt lists them:
          name file format channels rate frames reference
DIR/bad/: inputs that cannot be read (cut files, sizes that lie, not audio, ...).
The signal: a rising chirp on the left (or only) channel, a falling one on the right.
"""
import os
import random
import shutil
import struct
import subprocess
import sys

SECONDS = 6

# name, channels, rate, how it is made from the reference (a tool and its options)
INPUTS = [
    ("wav_u8_mono_22050", 1, 22050, ("wavpcm", "-b", "8", "-e", "unsigned-integer")),
    ("wav_u8_stereo_44100", 2, 44100, ("wavpcm", "-b", "8", "-e", "unsigned-integer")),
    ("wav_s16_stereo_44100", 2, 44100, ("wavpcm", "-b", "16", "-e", "signed-integer")),
    ("wav_s16_mono_48000", 1, 48000, ("wavpcm", "-b", "16", "-e", "signed-integer")),
    ("wav_s24_stereo_48000", 2, 48000, ("wavpcm", "-b", "24", "-e", "signed-integer")),
    ("wav_s24ext_mono_22050", 1, 22050, ("wav", "-b", "24", "-e", "signed-integer")),  # sox: EXTENSIBLE
    ("wav_s32_mono_44100", 1, 44100, ("wavpcm", "-b", "32", "-e", "signed-integer")),
    ("wav_s32ext_stereo_22050", 2, 22050, ("wav", "-b", "32", "-e", "signed-integer")),
    ("wav_f32_stereo_44100", 2, 44100, ("wavpcm", "-b", "32", "-e", "floating-point")),
    ("wav_f32ext_stereo_48000", 2, 48000, ("wav-extensible", "-b", "32", "-e", "floating-point")),
    ("wav_f64_mono_48000", 1, 48000, ("wavpcm", "-b", "64", "-e", "floating-point")),
    ("wav_f64_stereo_22050", 2, 22050, ("wavpcm", "-b", "64", "-e", "floating-point")),
    ("wav_streamed0_stereo_44100", 2, 44100, ("wav-streamed", "0")),
    ("wav_streamedff_mono_22050", 1, 22050, ("wav-streamed", "0xFFFFFFFF")),
    ("wav_oddchunk_mono_44100", 1, 44100, ("wav-odd-chunk",)),
    ("mp3_cbr_stereo_44100", 2, 44100, ("lame", "-b", "128")),
    ("mp3_vbr_mono_22050", 1, 22050, ("lame", "-V", "4")),
    ("mp3_vbr_stereo_48000", 2, 48000, ("lame", "-V", "2")),
    ("mp3_id3_stereo_44100", 2, 44100, ("lame", "-b", "192", "--id3v2-only", "--tt", "title", "--ta", "artist")),
    ("flac_16_stereo_44100", 2, 44100, ("flac", "16")),
    ("flac_24_stereo_48000", 2, 48000, ("flac", "24")),
    ("flac_16_mono_22050", 1, 22050, ("flac", "16")),
    ("ogg_stereo_44100", 2, 44100, ("oggenc",)),
    ("ogg_mono_22050", 1, 22050, ("oggenc",)),
]


def run(*args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL)


def reference(root, channels, rate):
    path = os.path.join(root, "ref", f"ref_{channels}_{rate}.wav")
    if not os.path.exists(path):
        chirps = ["sine", "200-2000"] + (["sine", "1500-300"] if channels == 2 else [])
        run("sox", "-n", "-r", str(rate), "-c", str(channels), "-b", "16", "-e", "signed-integer", path,
            "synth", str(SECONDS), *chirps, "vol", "0.5")
    return path


def chunks(data):
    """(id, offset of the body, size) of each chunk of a RIFF/WAVE file."""
    at, out = 12, []
    while at + 8 <= len(data):
        cid, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        out.append((cid, at + 8, size))
        at += 8 + size + (size & 1)
    return out


def rewrite_wav(path, fmt, extra=b"", data_size=None):
    """The WAV at path with a new fmt body, extra chunks before the data, and the data size given."""
    data = open(path, "rb").read()
    body = next(data[o:o + s] for c, o, s in chunks(data) if c == b"data")
    size = len(body) if data_size is None else data_size
    out = b"fmt " + struct.pack("<I", len(fmt)) + fmt + extra + b"data" + struct.pack("<I", size) + body
    riff = 4 + len(out) if data_size is None else data_size
    open(path, "wb").write(b"RIFF" + struct.pack("<I", riff) + b"WAVE" + out)


def fmt_of(path):
    data = open(path, "rb").read()
    return next(data[o:o + s] for c, o, s in chunks(data) if c == b"fmt ")


def make(root, name, channels, rate, how):
    ref = reference(root, channels, rate)
    kind = how[0]
    stem = os.path.join(root, "in", name)
    if kind in ("wav", "wavpcm"):
        out = stem + ".wav"
        run("sox", ref, "-t", kind, *how[1:], out)
    elif kind == "wav-extensible":  # float as WAVE_FORMAT_EXTENSIBLE (sox writes plain tag 3)
        out = stem + ".wav"
        run("sox", ref, "-t", "wavpcm", *how[1:], out)
        tag, ch, sr, bps, align, bits = struct.unpack("<HHIIHH", fmt_of(out)[:16])
        guid = struct.pack("<IHH", 3, 0, 0x10) + bytes([0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71])
        rewrite_wav(out, struct.pack("<HHIIHHHHI", 0xFFFE, ch, sr, bps, align, bits, 22, bits, 3) + guid)
    elif kind == "wav-streamed":  # a writer that could not go back: the sizes left as 0 or 0xFFFFFFFF
        out = stem + ".wav"
        run("sox", ref, "-t", "wavpcm", out)
        rewrite_wav(out, fmt_of(out), data_size=int(how[1], 0))
    elif kind == "wav-odd-chunk":  # a chunk of odd size, padded, before the data
        out = stem + ".wav"
        run("sox", ref, "-t", "wavpcm", out)
        rewrite_wav(out, fmt_of(out), extra=b"LIST" + struct.pack("<I", 5) + b"INFOx" + b"\0")
    elif kind == "lame":
        out = stem + ".mp3"
        run("lame", "--quiet", *how[1:], ref, out)
    elif kind == "flac":
        out = stem + ".flac"
        source = ref if how[1] == "16" else stem + ".24.wav"
        if source != ref:
            run("sox", ref, "-t", "wavpcm", "-b", "24", source)
        run("flac", "-s", "-f", "-o", out, source)
        if source != ref:
            os.remove(source)
    else:  # oggenc
        out = stem + ".ogg"
        run("oggenc", "-Q", "-q", "5", "-o", out, ref)
    return out


def make_bad(root, good):
    """Inputs that cannot be read, made from the good ones."""
    bad = os.path.join(root, "bad")
    rnd = random.Random(13)  # the same bytes on every run
    noise = bytes(rnd.getrandbits(8) for _ in range(65536))

    def put(name, data):
        open(os.path.join(bad, name), "wb").write(data)

    def head(name, count):
        return open(good[name], "rb").read()[:count]

    put("text.mp3", b"This is a text file, not audio.\r\n" * 20)
    put("empty.wav", b"")
    put("noise.ogg", noise)
    put("fake.flac", b"fLaC" + noise)
    put("fake.mp3", b"\xff\xfb\x90\x64" + noise)
    put("id3only.mp3", b"ID3\x04\x00\x00\x00\x00\x00\x40" + bytes(64))
    put("cut.mp3", head("mp3_cbr_stereo_44100", 20000))
    put("cut.flac", head("flac_16_stereo_44100", 40000))
    put("cut.ogg", head("ogg_stereo_44100", 6000))
    put("cut.wav", head("wav_s16_stereo_44100", 300000))
    # The data chunk says 4 MB more than the file holds.
    lying = bytearray(open(good["wav_s16_stereo_44100"], "rb").read())
    at = lying.find(b"data")
    lying[at + 4:at + 8] = struct.pack("<I", len(lying) - at - 8 + 4000000)
    put("lying.wav", bytes(lying))
    # A format chunk whose block size does not match its channels and bits.
    wrong = bytearray(lying)
    wrong[at + 4:at + 8] = struct.pack("<I", len(wrong) - at - 8)
    wrong[32:34] = struct.pack("<H", 3)
    put("badblock.wav", bytes(wrong))
    # MP3 data in a WAV file (format tag 0x55).
    mp3wav = bytearray(wrong)
    mp3wav[32:34] = struct.pack("<H", 4)
    mp3wav[20:22] = struct.pack("<H", 0x55)
    put("mp3inwav.wav", bytes(mp3wav))
    # FLAC in an Ogg container: an Ogg file without Vorbis.
    run("flac", "-s", "-f", "--ogg", "-o", os.path.join(bad, "flac.ogg"), reference(root, 1, 22050))


def main():
    root = sys.argv[1]
    for sub in ("ref", "in", "bad"):
        shutil.rmtree(os.path.join(root, sub), ignore_errors=True)
        os.makedirs(os.path.join(root, sub))
    rows, good = [], {}
    for name, channels, rate, how in INPUTS:
        path = make(root, name, channels, rate, how)
        good[name] = path
        fmt = os.path.splitext(path)[1][1:]
        rows.append(f"{name} {os.path.basename(path)} {fmt} {channels} {rate} {SECONDS * rate} "
                    f"ref_{channels}_{rate}.wav\n")
    make_bad(root, good)
    with open(os.path.join(root, "inputs.txt"), "w") as f:
        f.writelines(rows)
    print(f"{len(rows)} inputs and {len(os.listdir(os.path.join(root, 'bad')))} bad inputs in {root}")


if __name__ == "__main__":
    main()
