#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's numeral artwork as SVG files.

Writes, relative to the repository root:
  resources/tones/NN.svg          the 13 tones, a stone tablet with the
                                   bar-and-dot numeral and the tone's name
  resources/tones/CODE/NN.svg     the same in each language the program
                                   speaks, from translations/tzolkara_CODE.ts
  resources/frames/tone-frame.svg  the same tablet, empty
  resources/icons/astrology.svg    button icons of the three programs
  resources/icons/tarot.svg
  resources/icons/numerology.svg
  resources/icons/calendar.svg     the Maya Calendar's button icon
  resources/icons/tzolkara.svg     the program icon (calendar wheel)
  resources/icons/tzolkara-small.svg  the same wheel simplified for 16 to 24 px

Run from anywhere:  python3 scripts/artwork/numerals.py [ROOT]
ROOT, the repository by default, is the folder the paths above are written
under; the artwork test gives a scratch folder to compare what the script
draws with the pictures the program carries.
The output is deterministic and uses only what Qt SVG (SVG Tiny 1.2) draws:
plain shapes, paths, groups, transforms, fills, strokes and text.
"""

import math
import sys
import unicodedata
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from translations import languages, say  # noqa: E402
from palette import (  # noqa: E402
    DIRECTION_COLOURS, DIRECTION_SHADES, INK, JADE, RIM_LIGHT,
    STONE, STONE_SHADE,
)

ROOT = Path(__file__).resolve().parents[2]

TONE_NAMES = [
    "Magnetic", "Lunar", "Electric", "Self-Existing", "Overtone", "Rhythmic",
    "Resonant", "Galactic", "Solar", "Planetary", "Spectral", "Crystal",
    "Cosmic",
]

FONT = "DejaVu Sans, Verdana, sans-serif"

JADE_LIGHT = "#8fcfa9"   # polish highlight on jade bars and dots

TONE_W, TONE_H = 88, 55

# Advance widths of DejaVu Sans Bold in em, used to check that a name fits.
_BOLD_WIDTHS = {
    'A': .774, 'B': .762, 'C': .734, 'D': .830, 'E': .683, 'F': .683,
    'G': .821, 'H': .837, 'I': .372, 'J': .372, 'K': .775, 'L': .637,
    'M': .995, 'N': .837, 'O': .850, 'P': .733, 'Q': .850, 'R': .770,
    'S': .720, 'T': .682, 'U': .812, 'V': .774, 'W': 1.103, 'X': .771,
    'Y': .724, 'Z': .725, 'a': .675, 'b': .716, 'c': .593, 'd': .716,
    'e': .678, 'f': .435, 'g': .716, 'h': .712, 'i': .343, 'j': .343,
    'k': .665, 'l': .343, 'm': 1.042, 'n': .712, 'o': .687, 'p': .716,
    'q': .716, 'r': .493, 's': .595, 't': .478, 'u': .712, 'v': .652,
    'w': .924, 'x': .645, 'y': .652, 'z': .582, '-': .415, ' ': .348,
}


# ----------------------------------------------------------------- helpers

def num(value):
    """A number written short and always the same way."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def attrs(**kw):
    """SVG attributes from keywords; stroke_width becomes stroke-width."""
    parts = []
    for key, value in kw.items():
        if value is None:
            continue
        if isinstance(value, float):
            value = num(value)
        parts.append(f'{key.replace("_", "-")}="{value}"')
    return " ".join(parts)


def el(tag, **kw):
    return f"<{tag} {attrs(**kw)}/>"


def group(children, **kw):
    head = f"<g {attrs(**kw)}>" if kw else "<g>"
    return [head] + [f"  {c}" for c in children] + ["</g>"]


def document(width, height, body, view=None, title=""):
    view = view or f"0 0 {width} {height}"
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
        f'baseProfile="tiny" width="{width}" height="{height}" '
        f'viewBox="{view}">',
    ]
    if title:
        lines.append(f"  <title>{title}</title>")
    lines += [f"  {line}" for line in body]
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def text_width(text, size):
    # An accented letter is as wide as its plain letter.
    return sum(_BOLD_WIDTHS.get(unicodedata.normalize("NFD", c)[0], 0.75)
               for c in text) * size


def label(text, cx, baseline, size, colour):
    return (f'<text x="{num(cx)}" y="{num(baseline)}" font-family="{FONT}" '
            f'font-size="{num(size)}" font-weight="bold" '
            f'text-anchor="middle" fill="{colour}">{text}</text>')


def rounded_rect(x, y, w, h, r, **kw):
    return el("rect", x=float(x), y=float(y), width=float(w),
              height=float(h), rx=float(r), ry=float(r), **kw)


def polar(cx, cy, radius, degrees):
    a = math.radians(degrees)
    return cx + radius * math.cos(a), cy + radius * math.sin(a)


def ring_sector(cx, cy, r_out, r_in, start, end):
    """Path of a ring piece between two angles (degrees, clockwise)."""
    x1, y1 = polar(cx, cy, r_out, start)
    x2, y2 = polar(cx, cy, r_out, end)
    x3, y3 = polar(cx, cy, r_in, end)
    x4, y4 = polar(cx, cy, r_in, start)
    large = 1 if (end - start) % 360 > 180 else 0
    return (f"M{num(x1)},{num(y1)} A{num(r_out)},{num(r_out)} 0 {large} 1 "
            f"{num(x2)},{num(y2)} L{num(x3)},{num(y3)} "
            f"A{num(r_in)},{num(r_in)} 0 {large} 0 {num(x4)},{num(y4)} Z")


def quatrefoil(cx, cy, lobe_r, reach):
    """Four-petal flower (the day/sun flower) as one closed path.

    The petals are circles of radius lobe_r centred `reach` away on the four
    axes; neighbouring petals meet on the diagonals.
    """
    if not reach / math.sqrt(2) < lobe_r < reach:
        raise ValueError("petals must overlap without covering the centre")
    t = (reach - math.sqrt(2 * lobe_r ** 2 - reach ** 2)) / 2
    meet = [(cx + t * sx, cy + t * sy)
            for sx, sy in ((1, 1), (-1, 1), (-1, -1), (1, -1))]
    path = [f"M{num(meet[3][0])},{num(meet[3][1])}"]
    for x, y in meet:
        path.append(f"A{num(lobe_r)},{num(lobe_r)} 0 1 1 {num(x)},{num(y)}")
    return " ".join(path) + " Z"


# ---------------------------------------------------------- numeral parts

def numeral_dot(cx, cy, r, stroke):
    """One jade dot (a unit): INK-outlined, with a polish highlight."""
    return [
        el("circle", cx=float(cx), cy=float(cy), r=float(r), fill=JADE,
           stroke=INK, stroke_width=float(stroke)),
        el("circle", cx=float(cx - r * 0.32), cy=float(cy - r * 0.34),
           r=float(r * 0.3), fill=JADE_LIGHT),
    ]


def numeral_bar(x, y, w, h, stroke):
    """One jade bar (a five), with end bindings and a polish highlight."""
    r = h * 0.42
    out = [rounded_rect(x, y, w, h, r, fill=JADE, stroke=INK,
                        stroke_width=float(stroke))]
    hl = h * 0.22
    out.append(rounded_rect(x + r + h * 0.35, y + h * 0.2, w - 2 * r - h * 0.7,
                            hl, hl / 2, fill=JADE_LIGHT))
    for bx in (x + h * 0.85, x + w - h * 0.85):
        out.append(el("line", x1=float(bx), y1=float(y + stroke * 0.5),
                      x2=float(bx), y2=float(y + h - stroke * 0.5),
                      stroke=INK, stroke_width=float(stroke * 0.8)))
    return out


def numeral(value, cx, cy, dot_r, dot_step, bar_w, bar_h, gap, stroke):
    """Bar-and-dot numeral of 1..19, centred on (cx, cy).

    Dots (ones) sit in one row above the bars (fives).
    """
    if not 1 <= value <= 19:
        raise ValueError(f"bar-and-dot numeral out of range: {value}")
    bars, dots = divmod(value, 5)
    rows = []
    if dots:
        rows.append(("dots", 2 * dot_r))
    rows += [("bar", bar_h)] * bars
    total = sum(h for _, h in rows) + gap * (len(rows) - 1)
    y = cy - total / 2
    out = []
    for kind, h in rows:
        if kind == "dots":
            x0 = cx - dot_step * (dots - 1) / 2
            for i in range(dots):
                out += numeral_dot(x0 + i * dot_step, y + dot_r, dot_r, stroke)
        else:
            out += numeral_bar(cx - bar_w / 2, y, bar_w, h, stroke)
        y += h + gap
    return out


# ------------------------------------------------------------ tone tablet

NAME_BAND_Y = 40.5     # top of the name band on the tablet
NAME_SIZE = 10.0       # font size of the tone name
NAME_ROOM = 68.0       # width available for the name


def tone_tablet():
    """The tone tablet: light rim, INK edge, limestone face, name band."""
    w, h = TONE_W, TONE_H
    return [
        rounded_rect(0.5, 0.5, w - 1, h - 1, 9, fill=RIM_LIGHT),
        rounded_rect(2.5, 2.5, w - 5, h - 5, 7, fill=STONE, stroke=INK,
                     stroke_width=1.8),
        # carved inner border of the face
        rounded_rect(5, 5, w - 10, NAME_BAND_Y - 6.5, 4.5, fill="none",
                     stroke=STONE_SHADE, stroke_width=1.2),
        # name band across the foot of the tablet
        f'<path d="M3.4,{num(NAME_BAND_Y)} H{num(w - 3.4)} V{num(h - 9.4)} '
        f'A6.1,6.1 0 0 1 {num(w - 9.5)},{num(h - 3.4)} H9.5 '
        f'A6.1,6.1 0 0 1 3.4,{num(h - 9.4)} Z" fill="{STONE_SHADE}"/>',
        el("line", x1=3.4, y1=NAME_BAND_Y, x2=float(w - 3.4), y2=NAME_BAND_Y,
           stroke=INK, stroke_width=1.2),
        # redraw the edge over the band
        rounded_rect(2.5, 2.5, w - 5, h - 5, 7, fill="none", stroke=INK,
                     stroke_width=1.8),
    ]


def tone_numeral(value):
    return numeral(value, TONE_W / 2, 5 + (NAME_BAND_Y - 6.5) / 2,
                   dot_r=5.6, dot_step=15.0, bar_w=64.0, bar_h=7.6, gap=2.1,
                   stroke=1.6)


def tone_name(name):
    size = NAME_SIZE
    while text_width(name, size) > NAME_ROOM:
        size -= 0.25
    baseline = NAME_BAND_Y + (TONE_H - 3.4 - NAME_BAND_Y) / 2 + size * 0.36
    return [label(name, TONE_W / 2, baseline, size, INK)]


def tone_svg(value, name=None, word="Tone"):
    name = name or TONE_NAMES[value - 1]
    body = tone_tablet() + tone_numeral(value) + tone_name(name)
    return document(TONE_W, TONE_H, body, title=f"{word} {value}: {name}")


def tone_frame_svg():
    return document(TONE_W, TONE_H, tone_tablet(), title="Tone tablet")


def tone_file_name(value):
    return f"{value:02d}.svg"


# ------------------------------------------------------------ button icons

def icon_astrology():
    """A sun cartouche: rayed yellow sun with the four-petal day flower."""
    cx = cy = 16
    out = [rounded_rect(0.5, 0.5, 31, 31, 8, fill=RIM_LIGHT),
           rounded_rect(2, 2, 28, 28, 6.5, fill=STONE, stroke=INK,
                        stroke_width=1.6)]
    rays = []
    for k in range(8):
        a = 22.5 + 45 * k
        tip = polar(cx, cy, 13.2, a)
        left = polar(cx, cy, 7.0, a - 17)
        right = polar(cx, cy, 7.0, a + 17)
        rays.append(el("polygon", points=" ".join(
            f"{num(x)},{num(y)}" for x, y in (left, tip, right)),
            fill=DIRECTION_COLOURS["red"], stroke=INK, stroke_width=1.1,
            stroke_linejoin="round"))
    out += rays
    out.append(el("circle", cx=16.0, cy=16.0, r=7.9,
                  fill=DIRECTION_COLOURS["yellow"], stroke=INK,
                  stroke_width=1.5))
    out.append(f'<path d="{quatrefoil(cx, cy, 2.3, 2.6)}" fill="{INK}"/>')
    out.append(el("circle", cx=16.0, cy=16.0, r=1.1,
                  fill=DIRECTION_COLOURS["yellow"]))
    return document(32, 32, out, title="Mayan Astrology")


def _card(cx, cy, angle, face, border, inner):
    w, h = 15.0, 21.0
    x, y = cx - w / 2, cy - h / 2
    parts = [
        rounded_rect(x - 1.3, y - 1.3, w + 2.6, h + 2.6, 3.6, fill=RIM_LIGHT),
        rounded_rect(x, y, w, h, 2.4, fill=border, stroke=INK,
                     stroke_width=1.4),
        rounded_rect(x + 2.4, y + 2.4, w - 4.8, h - 4.8, 1.2, fill=face,
                     stroke=INK, stroke_width=0.9),
    ] + inner(cx, cy)
    return group(parts, transform=f"rotate({num(angle)} {num(cx)} {num(cy)})")


def icon_tarot():
    """Two glyph cards fanned out."""
    def back(cx, cy):
        d, mx, my = 2.8, cx - 2.6, cy - 4.0
        return [el("polygon", points=f"{num(mx)},{num(my - d)} "
                   f"{num(mx + d)},{num(my)} {num(mx)},{num(my + d)} "
                   f"{num(mx - d)},{num(my)}",
                   fill=DIRECTION_COLOURS["yellow"], stroke=INK,
                   stroke_width=0.9, stroke_linejoin="round")]

    def front(cx, cy):
        return [
            el("circle", cx=cx, cy=cy - 1.0, r=4.0,
               fill=DIRECTION_COLOURS["red"], stroke=INK, stroke_width=1.1),
            el("circle", cx=cx, cy=cy - 1.0, r=1.4, fill=INK),
            el("rect", x=cx - 3.4, y=cy + 4.6, width=6.8, height=1.8,
               rx=0.9, ry=0.9, fill=INK),
        ]

    out = _card(11.0, 16.6, -17, DIRECTION_SHADES["blue"],
                DIRECTION_COLOURS["blue"], back)
    out += _card(20.2, 15.6, 11, STONE, DIRECTION_COLOURS["yellow"], front)
    return document(32, 32, out, title="Mayan Astrology Tarot")


def icon_numerology():
    """A stone tablet carrying a bar-and-dot eight."""
    out = [rounded_rect(0.5, 3.5, 31, 25, 7, fill=RIM_LIGHT),
           rounded_rect(2, 5, 28, 22, 5.5, fill=STONE, stroke=INK,
                        stroke_width=1.6)]
    out += numeral(8, 16, 16, dot_r=2.9, dot_step=7.6, bar_w=21.0,
                   bar_h=5.6, gap=2.0, stroke=1.3)
    return document(32, 32, out, title="Mayan Numerology")


def icon_calendar():
    """A page of days hung on two rings, today's day lit with a dot."""
    out = [rounded_rect(0.5, 0.5, 31, 31, 8, fill=RIM_LIGHT),
           rounded_rect(2, 2, 28, 28, 6.5, fill=STONE, stroke=INK,
                        stroke_width=1.6)]
    out.append(rounded_rect(6.2, 8.6, 19.6, 17.6, 2.2, fill=RIM_LIGHT,
                            stroke=INK, stroke_width=1.3))
    # The page's head, in the red of the east where the days rise.
    out.append(f'<path d="M6.2,13.4 L6.2,10.8 A2.2,2.2 0 0 1 8.4,8.6 '
               f'L23.6,8.6 A2.2,2.2 0 0 1 25.8,10.8 L25.8,13.4 Z" '
               f'fill="{DIRECTION_COLOURS["red"]}" stroke="{INK}" '
               f'stroke-width="1.3" stroke-linejoin="round"/>')
    for x in (11.4, 20.6):
        out.append(rounded_rect(x - 1.1, 5.6, 2.2, 5.4, 1.1, fill=INK))
    # Two weeks of three days; the lit one is today.
    for row in range(2):
        for column in range(3):
            x = 8.6 + column * 5.3
            y = 15.4 + row * 4.9
            lit = row == 0 and column == 2
            out.append(rounded_rect(
                x, y, 4.2, 3.7, 0.8,
                fill=DIRECTION_COLOURS["yellow"] if lit else STONE_SHADE,
                stroke=INK if lit else None,
                stroke_width=0.9 if lit else None))
            if lit:
                out.append(el("circle", cx=x + 2.1, cy=y + 1.85, r=0.85,
                              fill=INK))
    return document(32, 32, out, title="Maya Calendar")


# ------------------------------------------------------------ program icon

def _ray(c, angle, tip_r, base_r, half_width):
    tip = polar(c, c, tip_r, angle)
    left = polar(c, c, base_r, angle - half_width)
    right = polar(c, c, base_r, angle + half_width)
    return " ".join(f"{num(x)},{num(y)}" for x, y in (left, tip, right))


def icon_program():
    """The calendar wheel: four direction quarters around the day flower.

    Red east (right), white north (top), blue west (left), yellow south
    (bottom); each quarter is cut into five days, twenty in all, and four
    jade rays between the quarters make the wheel a sun.
    """
    c = 128
    rays = [_ray(c, 45 + 90 * k, 164, 96, 19) for k in range(4)]
    out = []
    # light rim behind everything, so the shape stays visible on black
    for pts in rays:
        out.append(el("polygon", points=pts, fill=RIM_LIGHT,
                      stroke=RIM_LIGHT, stroke_width=18,
                      stroke_linejoin="round"))
    out.append(el("circle", cx=c, cy=c, r=116, fill=RIM_LIGHT))
    for pts in rays:
        out.append(el("polygon", points=pts, fill=JADE, stroke=INK,
                      stroke_width=8, stroke_linejoin="round"))
    out.append(el("circle", cx=c, cy=c, r=108, fill=INK))
    quarters = [("red", -45, 45), ("yellow", 45, 135), ("blue", 135, 225),
                ("white", 225, 315)]
    for colour, start, end in quarters:
        out.append(f'<path d="{ring_sector(c, c, 101, 62, start, end)}" '
                   f'fill="{DIRECTION_COLOURS[colour]}"/>')
        out.append(f'<path d="{ring_sector(c, c, 74, 62, start, end)}" '
                   f'fill="{DIRECTION_SHADES[colour]}"/>')
    # twenty day marks; every fifth is a quarter boundary
    for k in range(20):
        a = -45 + 18 * k
        inner = 58 if k % 5 == 0 else 86
        x1, y1 = polar(c, c, inner, a)
        x2, y2 = polar(c, c, 104, a)
        out.append(el("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=INK,
                      stroke_width=9 if k % 5 == 0 else 6,
                      stroke_linecap="round"))
    # limestone heart with the day flower
    out.append(el("circle", cx=c, cy=c, r=60, fill=STONE, stroke=INK,
                  stroke_width=8))
    out.append(f'<path d="{quatrefoil(c, c, 21, 25)}" '
               f'fill="{DIRECTION_COLOURS["yellow"]}" stroke="{INK}" '
               f'stroke-width="7" stroke-linejoin="round"/>')
    out.append(el("circle", cx=c, cy=c, r=10, fill=DIRECTION_COLOURS["red"],
                  stroke=INK, stroke_width=6))
    return document(256, 256, out, title="Tzolkara")


def icon_program_small():
    """The calendar wheel for 16 to 24 pixels, drawn on a 16-unit grid.

    Only what survives at that size: the four direction quarters on a dark
    ring, their dividing spokes and the limestone heart with its red centre.
    """
    c = 8
    out = [el("circle", cx=8.0, cy=8.0, r=8.0, fill=RIM_LIGHT),
           el("circle", cx=8.0, cy=8.0, r=7.2, fill=INK)]
    quarters = [("red", -45, 45), ("yellow", 45, 135), ("blue", 135, 225),
                ("white", 225, 315)]
    for colour, start, end in quarters:
        out.append(f'<path d="{ring_sector(c, c, 6.3, 3.3, start, end)}" '
                   f'fill="{DIRECTION_COLOURS[colour]}"/>')
    for k in range(4):
        x1, y1 = polar(c, c, 3.0, 45 + 90 * k)
        x2, y2 = polar(c, c, 6.6, 45 + 90 * k)
        out.append(el("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=INK,
                      stroke_width=1.1))
    out.append(el("circle", cx=8.0, cy=8.0, r=2.6, fill=STONE))
    out.append(el("circle", cx=8.0, cy=8.0, r=1.3, fill=DIRECTION_COLOURS["red"]))
    return document(16, 16, out, title="Tzolkara")


# ------------------------------------------------------------------- main

def outputs():
    """Every file the generator writes, as (relative path, SVG text)."""
    files = []
    for value in range(1, 14):
        files.append((f"resources/tones/{tone_file_name(value)}",
                      tone_svg(value)))
    for code in languages():
        word = say(code, "ToneNames", "Tone")
        for value in range(1, 14):
            name = say(code, "ToneNames", TONE_NAMES[value - 1])
            files.append((f"resources/tones/{code}/{tone_file_name(value)}",
                          tone_svg(value, name, word)))
    files.append(("resources/frames/tone-frame.svg", tone_frame_svg()))
    files.append(("resources/icons/astrology.svg", icon_astrology()))
    files.append(("resources/icons/tarot.svg", icon_tarot()))
    files.append(("resources/icons/numerology.svg", icon_numerology()))
    files.append(("resources/icons/calendar.svg", icon_calendar()))
    files.append(("resources/icons/tzolkara.svg", icon_program()))
    files.append(("resources/icons/tzolkara-small.svg", icon_program_small()))
    return files


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT
    for rel, text in outputs():
        path = root / rel
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8", newline="\n")
        print(rel)


if __name__ == "__main__":
    main()
