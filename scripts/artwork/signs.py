#!/usr/bin/env python3
"""Writes the program's day-sign pictures, tarot cards and empty sign frame.

Run from anywhere (usually the repository root):
    python3 scripts/artwork/signs.py

Outputs, all SVG Tiny 1.2 so that Qt SVG renders them faithfully:
    resources/signs/<name>.svg    20 day signs in their cartouches, 150 x 150
    resources/cards/NN.svg        20 tarot cards, glyph index 00..19, 120 x 184
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
from svgkit import tag, place, svg_document, num  # noqa: E402

SIGN_SIZE = 150
CARD_WIDTH, CARD_HEIGHT = 120, 184
FONT = "DejaVu Sans, Verdana, sans-serif"

# Tarot card captions per glyph index (glyph g is day sign g + 1).
CARD_NAMES = [
    ("Imix", "Red Dragon"), ("Ik", "White Wind"), ("Akbal", "Blue Night"),
    ("Kan", "Yellow Seed"), ("Chicchan", "Red Serpent"),
    ("Cimi", "White World Bridger"), ("Manik", "Blue Hand"),
    ("Lamat", "Yellow Star"), ("Muluc", "Red Moon"), ("Oc", "White Dog"),
    ("Chuen", "Blue Monkey"), ("Eb", "Yellow Human"), ("Ben", "Red Skywalker"),
    ("Ix", "White Wizard"), ("Men", "Blue Eagle"), ("Cib", "Yellow Warrior"),
    ("Caban", "Red Earth"), ("Etznab", "White Mirror"), ("Cauac", "Blue Storm"),
    ("Ahau", "Yellow Sun"),
]

# Advance widths of DejaVu Sans Bold at 100 px, for fitting the captions.
_ADVANCE = {
    "A": 77.4, "B": 76.2, "C": 73.4, "D": 83.0, "E": 68.3, "F": 68.3, "G": 82.1,
    "H": 83.7, "I": 37.2, "J": 37.2, "K": 77.5, "L": 63.7, "M": 99.5, "N": 83.7,
    "O": 85.0, "P": 73.3, "Q": 85.0, "R": 77.0, "S": 72.0, "T": 68.2, "U": 81.2,
    "V": 77.4, "W": 110.3, "X": 77.1, "Y": 72.4, "Z": 72.5, "a": 67.5, "b": 71.6,
    "c": 59.3, "d": 71.6, "e": 67.8, "f": 43.5, "g": 71.6, "h": 71.2, "i": 34.3,
    "j": 34.3, "k": 66.5, "l": 34.3, "m": 104.2, "n": 71.2, "o": 68.7, "p": 71.6,
    "q": 71.6, "r": 49.3, "s": 59.5, "t": 47.8, "u": 71.2, "v": 65.2, "w": 92.4,
    "x": 64.5, "y": 65.2, "z": 58.2, " ": 34.8,
}


def text_width(text, size):
    """Approximate rendered width of bold caption text at a pixel size."""
    return sum(_ADVANCE.get(ch, 80.0) for ch in text) * size / 100.0


def fitted_size(text, largest, room):
    """Largest font size not above `largest` at which text fits in `room`."""
    width = text_width(text, largest)
    if width <= room:
        return largest
    return round(largest * room / width, 1)


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


def caption(text, y, size):
    return tag("text", text, x=CARD_WIDTH / 2, y=y, font_family=FONT,
               font_weight="bold", font_size=size, text_anchor="middle", fill=INK)


def card(glyph):
    day_sign = glyph + 1
    colours = sign_colours(day_sign)
    mayan, colour_name = CARD_NAMES[glyph]
    room = 90
    parts = [
        tag("rect", x=2.5, y=2.5, width=115, height=179, rx=10, ry=10,
            fill=RIM_LIGHT, stroke=RIM_LIGHT, stroke_width=5),
        tag("rect", x=2.5, y=2.5, width=115, height=179, rx=10, ry=10,
            fill=colours.main, stroke=INK, stroke_width=2.4),
        tag("rect", x=9, y=9, width=102, height=166, rx=6, ry=6, fill=STONE,
            stroke=INK, stroke_width=1.6),
        tag("rect", x=12, y=12, width=96, height=160, rx=4, ry=4, fill="none",
            stroke=colours.shade, stroke_width=1),
        place(sign_picture(day_sign), 13.5, 12, 0.62),
        tag("path", d="M22 110H98", fill="none", stroke=colours.shade,
            stroke_width=1.4, stroke_linecap="round"),
        caption(mayan, 132, fitted_size(mayan, 19, room)),
        caption(colour_name, 151, fitted_size(colour_name, 11.5, room)),
    ]
    for x in (46, 60, 74):
        parts.append(tag("path", d=f"M{num(x)} 158l4 4l-4 4l-4-4Z",
                         fill=colours.main, stroke=INK, stroke_width=1.1,
                         stroke_linejoin="round"))
    return parts


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as handle:
        handle.write(text)


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         "..", ".."))
    resources = os.path.join(root, "resources")
    for day_sign, (name, _) in enumerate(MOTIFS, start=1):
        write(os.path.join(resources, "signs", f"{name.lower()}.svg"),
              svg_document(SIGN_SIZE, SIGN_SIZE, sign_picture(day_sign),
                           f"{name} day sign"))
    for glyph, (mayan, colour_name) in enumerate(CARD_NAMES):
        write(os.path.join(resources, "cards", f"{glyph:02d}.svg"),
              svg_document(CARD_WIDTH, CARD_HEIGHT, card(glyph),
                           f"{mayan}, {colour_name}"))
    write(os.path.join(resources, "frames", "sign-frame.svg"),
          svg_document(SIGN_SIZE, SIGN_SIZE, cartouche(STONE_SHADE, STONE_DEEP),
                       "Empty day-sign cartouche"))


if __name__ == "__main__":
    main()
