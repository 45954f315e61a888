#!/usr/bin/env python3
"""Lays out a demo game folder for the tool: FOLDER/.minecraft with assets/indexes/1.12.json shaped
like a real asset index (one line, no blanks; the twelve music discs with the game's own hashes and
sizes among some three thousand other entries: sounds, languages, textures, icons),
assets/objects/ and, beside .minecraft, FOLDER/music/ for the audio file to choose.
The same bytes every run (a fixed seed).   make-demo-game.py FOLDER"""
import json
import os
import random
import sys

DISCS = [
    ("11.ogg", "f86c466225dad2f32c90981485c1965671b3e8e6", 591997),
    ("13.ogg", "9cbed0e40296f68c61090c9b81816061e068a0ec", 1071028),
    ("blocks.ogg", "9b2a01e0d0456b8fbe33557fbc19d4fe342f94d6", 2587419),
    ("cat.ogg", "d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0", 1286636),
    ("chirp.ogg", "ec8a2cbdf68b4e2136098ec33695e1c53625ddb8", 1379756),
    ("far.ogg", "f46c38e7d6d7b19d5d68aa18b557215738deb36a", 1285938),
    ("mall.ogg", "83233451430516d839eaee855a2f789b8985d457", 1430016),  # as real indexes hold it
    ("mellohi.ogg", "6b44d0539073353b7a05330ccddc5735ba5efca4", 663709),
    ("stal.ogg", "2c4f3f8f259dc782867727311fea30875ecc3917", 1180789),
    ("strad.ogg", "f34afa3ba5f756e90a1f61023bbe069ee8442608", 1558180),
    ("wait.ogg", "876655d1691803f4cef17a6288d971285be79c6a", 1845255),
    ("ward.ogg", "f685021d4f26d6b590bffb341908e25e92e18cef", 1987588),
]

KINDS = [
    ("minecraft/sounds/ambient/cave/cave{}.ogg", 40000, 400000),
    ("minecraft/sounds/mob/{}/say.ogg", 5000, 60000),
    ("minecraft/sounds/step/{}.ogg", 3000, 20000),
    ("minecraft/lang/lang_{}.lang", 100000, 400000),
    ("minecraft/textures/block/block_{}.png", 200, 4000),
    ("icons/icon_{}.png", 300, 40000),
]


def main():
    folder = sys.argv[1]
    root = os.path.join(folder, ".minecraft")
    os.makedirs(os.path.join(root, "assets", "indexes"), exist_ok=True)
    os.makedirs(os.path.join(root, "assets", "objects"), exist_ok=True)
    os.makedirs(os.path.join(folder, "music"), exist_ok=True)
    rng = random.Random(1122)
    objects = {}
    for i in range(3000):
        pattern, low, high = KINDS[rng.randrange(len(KINDS))]
        objects[pattern.format(i)] = {"hash": "%040x" % rng.getrandbits(160), "size": rng.randrange(low, high)}
    for name, sha1, size in DISCS:
        objects["minecraft/sounds/records/" + name] = {"hash": sha1, "size": size}
    index = {"objects": dict(sorted(objects.items()))}
    with open(os.path.join(root, "assets", "indexes", "1.12.json"), "w", encoding="ascii", newline="") as f:
        f.write(json.dumps(index, separators=(",", ":")))


if __name__ == "__main__":
    main()
