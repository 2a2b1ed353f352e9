#!/usr/bin/env python3
"""Writes the twenty tarot cards, resources/cards/NN.svg (glyph 00..19).

Run from anywhere (usually the repository root):
    python3 scripts/artwork/cards.py

A card is 120 x 184: the Mayan name on a plate at the top, a picture of the
glyph's subject in the window below it, the glyph's day sign as a small
medallion in the window's corner and the colour name on a plate at the foot,
all in a frame of the glyph's direction colour.

The result screen always shows a card stretched to 93 x 120, which makes
everything about 19 % wider than it is tall.  The pictures are therefore
drawn 8 % narrow and the lettering 16 % narrow: on screen the pictures end
up only slightly wide and the letters in their natural proportions.
The output is deterministic: running it twice gives identical files.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from palette import INK, STONE, STONE_SHADE, RIM_LIGHT  # noqa: E402
from card_scenes import SCENES, SCENE_WIDTH, SCENE_HEIGHT  # noqa: E402
from sign_motifs import MOTIFS  # noqa: E402
from signs import sign_colours, write  # noqa: E402
from svgkit import tag, place, svg_document, num  # noqa: E402

CARD_WIDTH, CARD_HEIGHT = 120, 184
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
    """Approximate rendered width of bold caption text at a pixel size."""
    return sum(_ADVANCE.get(ch, 80.0) for ch in text) * size / 100.0


# Letters are set this much narrower than the font draws them (see above).
CONDENSE = 0.84
LEAST_CONDENSE = 0.78    # narrower than this, a name takes two lines
# Boxes as x, y, width, height, corner radius.
OUTER = (2.5, 2.5, 115, 179, 10)
CANVAS = (0, 0, 120, 184, 12.5)
TITLE = (9, 8, 102, 25, 5)
WINDOW = (9, 36, 102, 106, 5)
FOOT = (9, 145, 102, 31, 5)
TEXT_ROOM = 94

TITLE_SIZE = 16.5
NAME_SIZE = 13.5
CAP_HEIGHT = 0.729      # of DejaVu Sans Bold, in em

EMBLEM_CENTRE = (23, 50)
EMBLEM_RADIUS = 12.5


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
    """Bold, narrowed caption centred on centre_x."""
    condense = min(CONDENSE, TEXT_ROOM / text_width(text, size))
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
    """One line if it fits at the usual narrowing, else two balanced lines."""
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
    """The glyph's day sign, small, in a round medallion."""
    cx, cy = EMBLEM_CENTRE
    r = EMBLEM_RADIUS
    _, draw = MOTIFS[day_sign - 1]
    scale = 2 * (r - 2.4) / 100 * 1.08
    return [
        tag("circle", cx=cx, cy=cy, r=r + 1.6, fill=RIM_LIGHT),
        tag("circle", cx=cx, cy=cy, r=r, fill=colours.main, stroke=INK,
            stroke_width=1.5),
        tag("circle", cx=cx, cy=cy, r=r - 2.4, fill=STONE, stroke=INK,
            stroke_width=1),
        place(draw(colours), cx - 50 * scale, cy - 50 * scale, scale),
    ]


def card(glyph):
    day_sign = glyph + 1
    colours = sign_colours(day_sign)
    mayan, colour_name = CARD_NAMES[glyph]
    wx, wy, ww, wh, _ = WINDOW
    scene = tag("g", SCENES[glyph](colours),
                transform=f"translate({num(wx)},{num(wy)}) "
                          f"scale({num(ww / SCENE_WIDTH)},{num(wh / SCENE_HEIGHT)})")
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
    for line, baseline in zip(lines, centred_lines(lines, FOOT, NAME_SIZE, 1.02)):
        parts.append(lettering(line, CARD_WIDTH / 2, baseline, NAME_SIZE))
    parts += emblem(day_sign, colours)
    return parts


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         "..", ".."))
    for glyph, (mayan, colour_name) in enumerate(CARD_NAMES):
        write(os.path.join(root, "resources", "cards", f"{glyph:02d}.svg"),
              svg_document(CARD_WIDTH, CARD_HEIGHT, card(glyph),
                           f"{mayan}, {colour_name}"))


if __name__ == "__main__":
    main()
