#!/usr/bin/python3
"""Writes a synthetic Poser content library of empty files under ROOT, the same tree for the
same arguments.

usage: make_library.py ROOT --files N [--seed S]
ROOT must be missing or empty. Prints the folder and file counts and the deepest level.
"""
import argparse
import os
import stat
import sys

from poser_library import Library

# Files are made relative to their open folder, so that no long path is resolved for each of
# a million files, and by mknod, one call where open and close take two. Both fail on a name
# that is taken.
EMPTY_FILE = stat.S_IFREG | 0o644
OPEN_FOLDER = os.O_RDONLY | os.O_DIRECTORY | os.O_CLOEXEC


def write(library, root):
    os.makedirs(root, exist_ok=True)
    if os.listdir(root):
        sys.exit("make_library: %s is not empty" % root)
    open_folders = []  # the descriptors of the folders from ROOT down to the last one made
    files = 0
    for folder, names in library.walk():
        if folder.parent is None:
            descriptor = os.open(root, OPEN_FOLDER)
        else:
            parent = open_folders[folder.depth - 1]
            os.mkdir(folder.name, dir_fd=parent)
            descriptor = os.open(folder.name, OPEN_FOLDER, dir_fd=parent)
        for done in open_folders[folder.depth:]:
            os.close(done)
        del open_folders[folder.depth:]
        open_folders.append(descriptor)
        for name in names:
            os.mknod(name, EMPTY_FILE, dir_fd=descriptor)
        files += len(names)
    for descriptor in open_folders:
        os.close(descriptor)
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root")
    parser.add_argument("--files", type=int, required=True)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    library = Library(args.files, args.seed)
    files = write(library, os.path.abspath(args.root))
    print("folders %d files %d deepest %d" % (len(library.folders), files,
                                              max(folder.depth for folder in library.folders)))


main()
