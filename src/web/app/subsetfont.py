#!/usr/bin/python3
"""Cuts a font down to the characters the page draws in it and writes it as
WOFF2, for the page to carry its own faces instead of taking the visitor's.
Uses Debian's python3-fonttools (the subsetter behind pyftsubset) and
python3-brotli.

    subsetfont.py SOURCE OUTPUT.woff2 FAMILY [--text-file FILE] [--unicodes RANGES]

A cut-down font is a modified version, so it takes a name of its own
(FAMILY): the source's licence may reserve its name. Its copyright, licence
and trademark notices stay. The output depends only on the input: the same
build writes the same bytes, and with them the same site version.
"""

import argparse

from fontTools import subset
from fontTools.ttLib import TTFont

# Copyright, family, style, unique id, full name, version, PostScript name,
# trademark, licence text and address.
KEPT_NAMES = [0, 1, 2, 3, 4, 5, 6, 7, 13, 14]


def rename(font, family):
    style = font["name"].getDebugName(2) or "Regular"
    full = family if style == "Regular" else f"{family} {style}"
    postscript = full.replace(" ", "")
    for record in font["name"].names:
        new = {1: family, 3: postscript, 4: full, 6: postscript}.get(record.nameID)
        if new is not None:
            record.string = new


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source")
    parser.add_argument("output")
    parser.add_argument("family")
    parser.add_argument("--text-file")
    parser.add_argument("--unicodes", default="")
    args = parser.parse_args()

    options = subset.Options()
    options.flavor = "woff2"
    # The hints stay: engines that render with FreeType (WebKitGTK) space
    # and weigh small unhinted text differently from the desktop build.
    options.hinting = True
    options.desubroutinize = True
    options.layout_features = ["kern"]
    options.name_IDs = KEPT_NAMES
    options.name_languages = [0x409]
    # FontForge's time stamps: nothing draws with them.
    options.drop_tables = options.drop_tables + ["FFTM"]
    text = ""
    if args.text_file:
        with open(args.text_file, encoding="utf-8") as f:
            text = f.read().replace("\n", "")
    font = TTFont(args.source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text, unicodes=subset.parse_unicodes(args.unicodes) if args.unicodes else [])
    subsetter.subset(font)
    rename(font, args.family)
    font.flavor = "woff2"
    font.save(args.output, reorderTables=False)


if __name__ == "__main__":
    main()
