#!/usr/bin/env python3
"""The program's Song face: the Ming face of the system cut down to the characters the program
shows (its windows, its pages, its question bank) and printable ASCII, under a family name of
its own.

A face of two thousand characters keeps the font data the program touches, and so its memory,
small. Characters outside it (from a school's own questions, say) are drawn by the full face
the system has, which is the same cut, so they look no different. The ASCII range is in the
face so that the digits and letters of a Song line need no second face.

    song-subset.py SOURCE_FONT OUTPUT SOURCE_TREE
"""

import glob
import os
import sys

from fontTools import subset

FAMILY = "ExamSong"

TEXT_SOURCES = ["bank/sort.txt", "bank/questions/*.txt", "html/*.html", "app/*.cpp",
                "forms/*.cpp", "data/*.cpp", "tools/exam-bank.cpp"]


def program_characters(tree):
    chars = set()
    for pattern in TEXT_SOURCES:
        for path in glob.glob(os.path.join(tree, pattern)):
            with open(path, encoding="utf-8", errors="ignore") as f:
                chars.update(c for c in f.read() if ord(c) > 0x7F)
    return chars


def rename(font):
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = FAMILY
        elif record.nameID == 4:
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = FAMILY
        elif record.nameID in (2, 17):
            record.string = "Regular"


def main():
    if len(sys.argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    source, output, tree = sys.argv[1:]
    text = "".join(sorted(program_characters(tree) | set(map(chr, range(0x20, 0x7F)))))
    options = subset.Options()
    options.font_number = 0  # the simplified-Chinese face of the collection
    options.drop_tables += ["BDF", "FFTM", "EBDT", "EBLC", "EBSC"]
    options.name_languages = ["*"]
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    rename(font)
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    font.save(output + ".tmp")
    os.replace(output + ".tmp", output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
