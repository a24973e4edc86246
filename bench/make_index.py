#!/usr/bin/python3
"""Writes an index file as the scan of a synthetic Poser library under C:\\Poser writes it: one
full drive path a line, ended by CR LF. The same arguments give the same file.

usage: make_index.py FILE --lines N [--seed S] [--name NAME --matches K]
With --name, K of the N lines, spread evenly, name the file NAME in a folder of the library,
and no other line names it in any letter case.
"""
import argparse
import itertools
import math
import sys

from poser_library import INDEXED_LEVELS, Library, indexed, library_bases

POSER_FOLDER = "C:\\Poser"
# A little less than the share of a library's files that the scan takes, so that the library
# always yields enough lines.
INDEXED_SHARE = 0.55


def library_lines(lines, seed, left_out_name):
    """The lines a scan of a library big enough for `lines` lines writes, as (folder, name)."""
    library = Library(math.ceil(lines / INDEXED_SHARE) + 1000, seed)
    for folder, names in library.walk():
        if folder.depth not in INDEXED_LEVELS:
            continue
        folder_path = POSER_FOLDER + "\\" + folder.path("\\")
        bases = library_bases(names)
        for name in names:
            if indexed(name, bases) and name.casefold() != left_out_name:
                yield folder_path, name


def index_lines(lines, seed, name, matches):
    """The lines of the index; a line naming `name` lies in the folder of the line before it."""
    found = library_lines(lines - matches, seed, name.casefold() if name else None)
    first = next(found)
    found = itertools.chain([first], found)
    folder = first[0]
    for line in range(lines):
        if (line + 1) * matches // lines > line * matches // lines:
            yield folder, name
            continue
        found_line = next(found, None)
        if found_line is None:
            sys.exit("make_index: the library is too small for %d lines" % lines)
        folder = found_line[0]
        yield found_line


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file")
    parser.add_argument("--lines", type=int, required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--name")
    parser.add_argument("--matches", type=int, default=0)
    args = parser.parse_args()
    if args.matches > args.lines or (args.matches and not args.name):
        sys.exit("make_index: --matches needs --name and at most --lines lines")
    with open(args.file, "wb") as index:
        lines = index_lines(args.lines, args.seed, args.name, args.matches)
        while True:
            batch = list(itertools.islice(lines, 10_000))
            if not batch:
                break
            index.write("".join("%s\\%s\r\n" % line for line in batch).encode("utf-8"))
    print("lines %d" % args.lines)


main()
