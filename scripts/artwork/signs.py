#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program's day-sign pictures and the empty sign frame.

Run from anywhere (usually the repository root):
    python3 scripts/artwork/signs.py [ROOT]
ROOT, the repository by default, is the folder the resources/ paths below
are written under; the artwork test gives a scratch folder to compare what
the script draws with the pictures the program carries.

Outputs, all SVG Tiny 1.2 so that Qt SVG renders them faithfully:
    resources/signs/<stem>.svg    20 day signs in their cartouches, 150 x 150
    resources/frames/sign-frame.svg   the empty stone cartouche, 150 x 150
The output is deterministic: running it twice gives identical files.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from palette import (INK, STONE, STONE_SHADE, RIM_LIGHT, DIRECTION_COLOURS,  # noqa: E402
                     DIRECTION_SHADES, colour_of_day_sign)
from shades import STONE_DEEP  # noqa: E402
from sign_motifs import MOTIFS, Colours  # noqa: E402
from sign_table import day_signs  # noqa: E402
from svgkit import tag, place, svg_document  # noqa: E402

SIGN_SIZE = 150


def sign_colours(day_sign):
    name = colour_of_day_sign(day_sign)
    return Colours(DIRECTION_COLOURS[name], DIRECTION_SHADES[name])


# The cartouche: a rounded stone frame with a coloured band, on a small
# three-footed pedestal.  Everything is in the 150 x 150 sign box.
_FRAME = (8, 5, 134, 122, 26)          # x, y, width, height, corner radius
_FIELD = (18, 15, 114, 102, 17)
# the pedestal: a short stand ending in three rounded lobes
_BASE = ("M42 118H108V129Q108 133 104 134A7 7 0 0 1 90 136A15 10 0 0 1 60 136"
         "A7 7 0 0 1 46 134Q42 133 42 129Z")


def _rect(box, **attributes):
    x, y, w, h, r = box
    return tag("rect", x=x, y=y, width=w, height=h, rx=r, ry=r, **attributes)


def cartouche(band, band_shade, motif=()):
    """The frame elements around (and including) an already placed motif."""
    rim = dict(fill=RIM_LIGHT, stroke=RIM_LIGHT, stroke_width=8,
               stroke_linejoin="round")
    parts = [_rect(_FRAME, **rim), tag("path", d=_BASE, **rim),
             tag("path", d=_BASE, fill=band_shade, stroke=INK, stroke_width=2.4,
                 stroke_linejoin="round"),
             _rect(_FRAME, fill=band, stroke=INK, stroke_width=3)]
    x, y, w, h, r = _FRAME
    parts.append(_rect((x + 4.5, y + 4.5, w - 9, h - 9, r - 4), fill="none",
                       stroke=band_shade, stroke_width=1.2))
    parts.append(_rect(_FIELD, fill=STONE, stroke=INK, stroke_width=2.2))
    x, y, w, h, r = _FIELD
    parts.append(_rect((x + 3.5, y + 3.5, w - 7, h - 7, r - 3), fill="none",
                       stroke=STONE_SHADE, stroke_width=2.5))
    parts.extend(motif)
    return parts


def sign_picture(day_sign):
    """The elements of one day sign in its cartouche (150 x 150 box)."""
    _, draw = MOTIFS[day_sign - 1]
    colours = sign_colours(day_sign)
    scale = 0.94
    x, y, w, h, _ = _FIELD
    motif = place(draw(colours), x + w / 2 - 50 * scale, y + h / 2 - 50 * scale,
                  scale)
    return cartouche(colours.main, colours.shade, [motif])


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as handle:
        handle.write(text)


def output_root():
    """The folder to write resources/ under: the first argument, or the
    repository."""
    if len(sys.argv) > 1:
        return sys.argv[1]
    return os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         "..", ".."))


def main():
    resources = os.path.join(output_root(), "resources")
    for sign in day_signs():
        write(os.path.join(resources, "signs", f"{sign.stem}.svg"),
              svg_document(SIGN_SIZE, SIGN_SIZE, sign_picture(sign.number),
                           f"{sign.name} day sign"))
    write(os.path.join(resources, "frames", "sign-frame.svg"),
          svg_document(SIGN_SIZE, SIGN_SIZE, cartouche(STONE_SHADE, STONE_DEEP),
                       "Empty day-sign cartouche"))


if __name__ == "__main__":
    main()
