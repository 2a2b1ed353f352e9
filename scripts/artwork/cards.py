#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the twenty tarot cards, resources/cards/NN.svg (glyph 00..19), and
a copy for each language the program speaks, resources/cards/CODE/NN.svg,
with the colour names of its translation (translations/tzolkara_CODE.ts).

Run from anywhere (usually the repository root):
    python3 scripts/artwork/cards.py [ROOT]
ROOT is the folder resources/ is written under, as for signs.py.

A card has the Mayan name on a plate at the top, a picture of the glyph's
subject in the window below it, the glyph's day sign as a medallion over
the window's corner (drawn from sign_badges.py, bold enough to read at the
card's shown size) and the colour name on a plate at the foot, all in a
frame of the glyph's direction colour.

The result screen stretches a card to fill its 93 x 120 control, so a card
is drawn in exactly that proportion (on a 124 x 160 grid, 4/3 of it) and the
stretch changes nothing: circles stay round and letters keep their shape.
Pictures and lettering are drawn to scale, never squeezed.
The output is deterministic: running it twice gives identical files.
"""

import os
import sys
import unicodedata

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from palette import INK, STONE, STONE_SHADE, RIM_LIGHT  # noqa: E402
from card_scenes import SCENES, SCENE_WIDTH, SCENE_HEIGHT  # noqa: E402
from sign_badges import BADGES  # noqa: E402
from signs import sign_colours, write, output_root  # noqa: E402
from svgkit import tag, place, svg_document, num  # noqa: E402
from translations import languages, say  # noqa: E402

# The grid the card is drawn on, and the size it is shown at.
CARD_WIDTH, CARD_HEIGHT = 124, 160
SHOWN_WIDTH, SHOWN_HEIGHT = 93, 120
FONT = "DejaVu Sans, Verdana, sans-serif"

# Mayan name and colour name per glyph index (glyph g is day sign g + 1).
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
    """Approximate rendered width of bold caption text at a pixel size.

    An accented letter is as wide as its plain letter."""
    return sum(_ADVANCE.get(unicodedata.normalize("NFD", ch)[0], 80.0)
               for ch in text) * size / 100.0


# A name wider than its plate is set narrower, down to this much; a colour
# name that would need more takes two lines.
LEAST_CONDENSE = 0.86
# Boxes as x, y, width, height, corner radius.
OUTER = (2.5, 2.5, 119, 155, 9.5)
CANVAS = (0, 0, 124, 160, 11)
TITLE = (10, 7, 104, 18, 4.5)
WINDOW = (10, 28, 104, 92, 4.5)
FOOT = (10, 123, 104, 30, 4.5)
TEXT_ROOM = 92

TITLE_SIZE = 14
NAME_SIZE = 12.5
NAME_SIZE_TWO_LINES = 11.5
NAME_LEADING = 1.13
CAP_HEIGHT = 0.729      # of DejaVu Sans Bold, in em

# The medallion overlaps the window's corner; about 24 pixels across as shown.
EMBLEM_CENTRE = (25, 43)
EMBLEM_RADIUS = 15
EMBLEM_RING = 2.2


def _rect(box, **attributes):
    x, y, w, h, r = box
    return tag("rect", x=x, y=y, width=w, height=h, rx=r, ry=r, **attributes)


def _rounded_d(box):
    """Path data of a rounded rectangle, for cutting holes."""
    x, y, w, h, r = box
    return (f"M{num(x + r)} {num(y)}H{num(x + w - r)}"
            f"A{num(r)} {num(r)} 0 0 1 {num(x + w)} {num(y + r)}"
            f"V{num(y + h - r)}A{num(r)} {num(r)} 0 0 1 {num(x + w - r)} {num(y + h)}"
            f"H{num(x + r)}A{num(r)} {num(r)} 0 0 1 {num(x)} {num(y + h - r)}"
            f"V{num(y + r)}A{num(r)} {num(r)} 0 0 1 {num(x + r)} {num(y)}Z")


def lettering(text, centre_x, baseline, size):
    """Bold caption centred on centre_x, narrowed only if it must be."""
    condense = min(1.0, TEXT_ROOM / text_width(text, size))
    return tag("text", text, x=0, y=0, font_family=FONT, font_weight="bold",
               font_size=size, text_anchor="middle", fill=INK,
               transform=f"translate({num(centre_x)},{num(baseline)}) "
                         f"scale({num(condense)},1)")


def centred_lines(lines, box, size, leading=1.0):
    """Baselines that centre the capitals of `lines` vertically in box."""
    _, y, _, h, _ = box
    cap = size * CAP_HEIGHT
    pitch = size * leading
    block = cap + pitch * (len(lines) - 1)
    first = y + (h - block) / 2 + cap
    return [first + i * pitch for i in range(len(lines))]


def split_name(name, size):
    """One line if it fits narrowed at most a little, else two balanced lines."""
    if text_width(name, size) * LEAST_CONDENSE <= TEXT_ROOM:
        return [name]
    words = name.split()
    best = None
    for cut in range(1, len(words)):
        lines = [" ".join(words[:cut]), " ".join(words[cut:])]
        widest = max(text_width(line, size) for line in lines)
        if best is None or widest < best[0]:
            best = (widest, lines)
    return best[1]


def emblem(day_sign, colours):
    """The glyph's day sign as a badge in a round medallion."""
    cx, cy = EMBLEM_CENTRE
    r = EMBLEM_RADIUS
    face = r - EMBLEM_RING
    _, draw = BADGES[day_sign - 1]
    scale = 2 * face / 100
    return [
        tag("circle", cx=cx, cy=cy, r=r + 1.6, fill=RIM_LIGHT),
        tag("circle", cx=cx, cy=cy, r=r, fill=colours.main, stroke=INK,
            stroke_width=1.5),
        tag("circle", cx=cx, cy=cy, r=face, fill=STONE, stroke=INK,
            stroke_width=1),
        place(draw(colours), cx - 50 * scale, cy - 50 * scale, scale),
    ]


def card(glyph, colour_name):
    day_sign = glyph + 1
    colours = sign_colours(day_sign)
    mayan = CARD_NAMES[glyph][0]
    wx, wy, ww, wh, _ = WINDOW
    # The picture fills the window's height and is centred across it; the
    # window is a little wider than the picture's box, so the edges show
    # some of the overrun every picture draws.
    scale = wh / SCENE_HEIGHT
    scene = tag("g", SCENES[glyph](colours),
                transform=f"translate({num(wx + (ww - SCENE_WIDTH * scale) / 2)},{num(wy)}) "
                          f"scale({num(scale)})")
    parts = [
        _rect(OUTER, fill=RIM_LIGHT, stroke=RIM_LIGHT, stroke_width=5),
        scene,
        # The frame is laid over the picture with the window cut out of it,
        # so nothing the picture draws past its edges shows.
        tag("path", d=_rounded_d(CANVAS) + _rounded_d(WINDOW), fill=colours.main,
            fill_rule="evenodd"),
        _rect(OUTER, fill="none", stroke=RIM_LIGHT, stroke_width=5),
        _rect(OUTER, fill="none", stroke=INK, stroke_width=2.4),
        _rect(WINDOW, fill="none", stroke=INK, stroke_width=1.8),
        _rect(TITLE, fill=STONE, stroke=INK, stroke_width=1.6),
        _rect(FOOT, fill=STONE, stroke=INK, stroke_width=1.6),
    ]
    for box in (TITLE, FOOT):
        x, y, w, h, r = box
        parts.append(_rect((x + 2.5, y + 2.5, w - 5, h - 5, r - 2), fill="none",
                           stroke=STONE_SHADE, stroke_width=1))
    (baseline,) = centred_lines([mayan], TITLE, TITLE_SIZE)
    parts.append(lettering(mayan, CARD_WIDTH / 2, baseline, TITLE_SIZE))
    lines = split_name(colour_name, NAME_SIZE)
    size = NAME_SIZE if len(lines) == 1 else NAME_SIZE_TWO_LINES
    for line, baseline in zip(lines, centred_lines(lines, FOOT, size, NAME_LEADING)):
        parts.append(lettering(line, CARD_WIDTH / 2, baseline, size))
    parts += emblem(day_sign, colours)
    return parts


def main():
    root = output_root()
    english = [name for _, name in CARD_NAMES]
    folders = [("", english)]
    for code in languages():
        folders.append((code, [say(code, "TarotGlyphs", name) for name in english]))
    for folder, names in folders:
        for glyph, colour_name in enumerate(names):
            mayan = CARD_NAMES[glyph][0]
            write(os.path.join(root, "resources", "cards", folder, f"{glyph:02d}.svg"),
                  svg_document(SHOWN_WIDTH, SHOWN_HEIGHT, card(glyph, colour_name),
                               f"{mayan}, {colour_name}", (CARD_WIDTH, CARD_HEIGHT)))


if __name__ == "__main__":
    main()
