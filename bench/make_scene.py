#!/usr/bin/python3
"""Writes a large Poser scene for the scene check to read, and the library it names: under
POSER_FOLDER, files of Runtime for most references; the rest name files of the index INDEX in
folders where they are not, so that they are missing and have candidates. Also SCENE with
".pzz" for ".pz3", the same scene gzip-compressed. The same arguments give the same files.

usage: make_scene.py POSER_FOLDER SCENE INDEX [--megabytes M] [--references R] [--missing S]
"""
import argparse
import gzip
import os
import random

FILES_THERE = 500  # each named by many references, as a scene names its textures


def index_names(index, count):
    """File names of the index's lines, spread over its whole length."""
    with open(index, "rb") as lines:
        names = [line.rstrip(b"\r\n").rsplit(b"\\", 1)[-1] for line in lines]
    step = max(1, len(names) // count)
    return [name.decode() for name in names[::step][:count]]


def make_library(poser_folder):
    for kind, extension in (("Geometries", "obj"), ("Textures", "jpg")):
        folder = os.path.join(poser_folder, "Runtime", kind, "Bench")
        os.makedirs(folder, exist_ok=True)
        for i in range(FILES_THERE):
            open(os.path.join(folder, f"part{i}.{extension}"), "wb").close()


def reference(rng, missing_names, missing_share):
    if rng.random() < missing_share:
        name = rng.choice(missing_names)
        return f'\t\ttextureMap ":Runtime:Textures:Moved:{name}"\r\n'
    i = rng.randrange(FILES_THERE)
    return rng.choice((f"\tobjFileGeom 0 0 :Runtime:Geometries:Bench:part{i}.obj\r\n",
                       f'\t\ttextureMap ":Bench:part{i}.jpg"\r\n',
                       f'\t\t\t\t\tfile "Runtime/Textures/Bench/part{i}.jpg"\r\n'))


def filler(rng):
    """A block of keyframes, most of what a real scene holds."""
    lines = [f"\t\tk {frame} {rng.uniform(-1, 1):.6f}\r\n" for frame in range(20)]
    return "\t\tkeys\r\n\t\t\t{\r\n" + "".join(lines) + "\t\t\t}\r\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("poser_folder")
    parser.add_argument("scene")
    parser.add_argument("index")
    parser.add_argument("--megabytes", type=int, default=100)
    parser.add_argument("--references", type=int, default=10000)
    parser.add_argument("--missing", type=float, default=0.1)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    make_library(args.poser_folder)
    missing_names = index_names(args.index, 1000)
    size = args.megabytes * 1000 * 1000
    per_reference = size // args.references
    text = ["{\r\nversion\r\n\t{\r\n\tnumber 11\r\n\t}\r\nactor BODY:1\r\n\t{\r\n"]
    written = 0
    for _ in range(args.references):
        block = [reference(rng, missing_names, args.missing)]
        length = len(block[0])
        while length < per_reference:
            block.append(filler(rng))
            length += len(block[-1])
        text.append("".join(block))
        written += length
    text.append("\t}\r\n}\r\n")
    data = "".join(text).encode()
    with open(args.scene, "wb") as scene:
        scene.write(data)
    with open(args.scene[:-4] + ".pzz", "wb") as compressed:
        compressed.write(gzip.compress(data, 6, mtime=0))


main()
