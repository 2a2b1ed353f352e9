# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The twenty day signs as small badges, for the medallion in a card's corner.

A card is shown 93 x 120 pixels, so its medallion is about twenty pixels
across: too small for the motifs of sign_motifs.py, whose fine line work
runs together there.  Each badge keeps only what names its sign at a glance
(the T of the wind, the corbel vault of the night, the harpy's crest, the
petals of the sun), in the motif's own colours, with outlines about twice as
heavy.

Every function takes the sign's direction colours and returns SVG elements
in a 100 x 100 box whose inscribed disc (centre 50, 50, radius 50) is the
medallion's face; a badge, outlines included, stays within radius 48 of the
centre, inside the face's own outline.  Busts end on an arc of radius 45
just inside the face's edge, so nothing is cut off square.
"""

import math

from palette import INK, STONE, RIM_LIGHT, JADE
from shades import (FUR, FUR_DARK, FUR_LIGHT, TAWNY, AMBER, SOIL_LIGHT, JADE_LIGHT, JADE_DARK,
                    NIGHT, PINK, FLINT, FLINT_LIGHT, SKY, HIDE, HIDE_PINK, SLATE, SUN_GLOW,
                    LIMESTONE, CAVE, CENOTE)
from svgkit import tag, shape, line, circle, ellipse, tube, poly_d, star_points, num
from drawkit import capsule_d, dome_points, scallops_d
from sign_table import day_signs

BOLD = 5.0      # badge outline, twice the motifs' in proportion
FINE = 3.2      # inner line work of a badge


def _on_rim(angle):
    """The point of the busts' rim (radius 45) at `angle` degrees."""
    a = math.radians(angle)
    return f"{num(50 + 45 * math.cos(a))} {num(50 + 45 * math.sin(a))}"


def _bust(top, start, end):
    """Path data of a bust: `top` runs from the rim at angle `start` to the
    rim at `end` (degrees, y down), and the rim closes it, clockwise from
    `end` round to `start`."""
    large = 1 if (start - end) % 360 > 180 else 0
    return f"M{_on_rim(start)}{top}A45 45 0 {large} 1 {_on_rim(start)}Z"


def crocodile(c):
    jaw = shape("M22 60L86 56C92 62 88 72 80 72L32 78C20 78 12 72 10 64Z", JADE, BOLD)
    teeth = shape("M30 56L86 48V57L30 62Z", RIM_LIGHT, FINE)
    head = shape("M10 64C8 48 16 36 28 32C30 20 46 18 50 28L84 32C92 34 94 44 88 48"
                 "L30 56C22 58 16 62 10 64Z", JADE, BOLD)
    return [jaw, teeth, line("M40 57V61M52 55.4V60M64 53.8V58.6M76 52.2V57.2", 2.4),
            head, circle(38, 30, 7, AMBER, FINE), circle(39, 30, 3.4, INK, 0)]


def wind(c):
    return [shape("M18 24Q18 18 24 18H76Q82 18 82 24V76Q82 82 76 82H24Q18 82 18 76Z",
                  c.main, BOLD),
            shape("M26 27H74V45H59V74H41V45H26Z", SKY, BOLD)]


def night(c):
    return [shape("M20 18H80V82H20Z", c.main, BOLD),
            shape("M32 82V58L45 26H55L68 58V82Z", NIGHT, BOLD),
            shape("M58 46A11 11 0 1 0 58 66A8 8 0 1 1 58 46Z", RIM_LIGHT, 0),
            shape(poly_d(star_points(42, 74, 5, 1.8, 4)), RIM_LIGHT, 0)]


def seed(c):
    return [*tube("M50 64C46 54 54 44 50 30", JADE, 6, FINE),
            shape("M50 38C42 26 32 22 18 26C24 38 38 42 50 38Z", JADE, BOLD),
            shape("M51 32C58 24 68 19 81 22C78 31 66 36 51 32Z", JADE, BOLD),
            ellipse(50, 70, 26, 18, c.main, BOLD),
            ellipse(42, 66, 5, 3, RIM_LIGHT, 0, rotate=-30)]


def _smaller(elements, scale):
    """Elements drawn `scale` times their size about the badge's centre."""
    return [tag("g", elements,
                transform=f"translate(50 50) scale({num(scale)}) translate(-50 -50)")]


def serpent(c):
    body = "M20 80C30 92 54 90 56 70C58 52 36 50 40 32"
    return _smaller([line("M70 24H84l5-4m-5 4l5 4", FINE, c.shade),
            *tube(body, c.main, 14, BOLD),
            line(body, 4, RIM_LIGHT, stroke_dasharray="0.1 12"),
            ellipse(52, 24, 18, 12, c.main, BOLD),
            circle(56, 20, 4.4, AMBER, 2.2), circle(57, 20, 2, INK, 0)], 0.84)


def transformer(c):
    return [shape("M18 46C18 26 32 12 50 12C68 12 82 26 82 46C82 58 76 64 70 66V82H30V66"
                  "C24 64 18 58 18 46Z", c.main, BOLD),
            circle(36, 46, 10, INK, 0), circle(64, 46, 10, INK, 0),
            shape("M50 56L45 64H55Z", INK, 0),
            line("M30 72H70M40 66V82M50 66V82M60 66V82", FINE)]


def deer(c):
    antlers = tube("M42 32C38 22 32 16 28 6M36 20L22 18M58 32C62 22 68 16 72 6M64 20L78 18",
                   STONE, 5, FINE)
    ears = [shape("M36 42C26 34 14 34 8 40C16 48 28 50 38 48Z", FUR, BOLD),
            shape("M64 42C74 34 86 34 92 40C84 48 72 50 62 48Z", FUR, BOLD)]
    face = shape("M50 32C62 32 68 40 66 52C64 62 58 72 58 82C58 90 54 94 50 94"
                 "C46 94 42 90 42 82C42 72 36 62 34 52C32 40 38 32 50 32Z", FUR, BOLD)
    return _smaller([*antlers, *ears, face,
                     shape("M50 42C55 42 56 50 54 60L53 78H47L46 60C44 50 45 42 50 42Z",
                           FUR_LIGHT, 0),
                     circle(41, 54, 4.4, INK, 0), circle(59, 54, 4.4, INK, 0),
                     ellipse(50, 86, 6, 5, INK, 0)], 0.86)


def star(c):
    return [shape(poly_d(star_points(50, 50, 45, 13, 4, -90)), c.main, BOLD),
            circle(50, 50, 11, RIM_LIGHT, BOLD), circle(50, 50, 4.6, INK, 0)]


def offering(c):
    return [shape("M12 54H88C86 76 72 88 50 88C28 88 14 76 12 54Z", c.main, BOLD),
            line("M18 68H82", 5, RIM_LIGHT),
            ellipse(50, 54, 38, 7, JADE, BOLD),
            shape("M50 6C56 18 62 24 62 32C62 40 57 44 50 44C43 44 38 40 38 32"
                  "C38 24 44 18 50 6Z", JADE, BOLD)]


def dog(c):
    head = _bust("C18 72 20 60 28 50C34 42 44 38 54 40L88 50C94 52 94 60 88 61"
                 f"L70 64C64 70 62 80 {_on_rim(77)}", 130, 77)
    ear = shape("M30 50C23 38 24 22 31 10C45 15 56 27 58 44Z", HIDE, BOLD)
    return [shape(head, HIDE, BOLD), ear,
            shape("M34 42C31 33 31 24 34 17C43 22 49 31 52 40Z", HIDE_PINK, 0),
            shape("M58 48C61 44 67 44 70 47C67 51 62 52 58 48Z", AMBER, 2.2),
            circle(65, 47.6, 2.2, INK, 0),
            ellipse(90, 55, 5, 4, INK, 0)]


def monkey(c):
    return [circle(18, 54, 11, FUR, BOLD), circle(82, 54, 11, FUR, BOLD),
            circle(50, 54, 32, FUR, BOLD),
            shape("M50 42C54 34 66 34 70 42C74 50 70 58 66 62C72 70 66 82 50 82"
                  "C34 82 28 70 34 62C30 58 26 50 30 42C34 34 46 34 50 42Z", FUR_LIGHT, FINE),
            shape("M24 36C38 24 62 24 76 36L72 42C60 32 40 32 28 42Z", c.main, FINE),
            circle(41, 52, 4.6, INK, 0), circle(59, 52, 4.6, INK, 0),
            line("M42 72C46 76 54 76 58 72", FINE)]


def road(c):
    field = _bust(f"L{_on_rim(-4)}", 184, -4)
    return [shape(field, JADE_LIGHT, BOLD),
            shape("M30 46V38H36V30H42V22H58V30H64V38H70V46Z", c.shade, BOLD),
            shape("M44 47H56L70 86C60 90 40 90 30 86Z", c.main, BOLD),
            ellipse(46, 80, 3.4, 5, INK, 0), ellipse(55, 64, 2.6, 3.8, INK, 0)]


def reed(c):
    stalks = [tube(f"M50 86L{x} {y}", JADE_LIGHT, 8, FINE)
              for x, y in ((30, 28), (70, 28), (50, 18))]
    tufts = [ellipse(x, y, 5.6, 9, SOIL_LIGHT, FINE, rotate=a)
             for x, y, a in ((28, 22, -18), (72, 22, 18), (50, 14, 0))]
    return [*[part for stalk in stalks for part in stalk], *tufts,
            shape("M32 62C44 56 56 56 68 62V72C56 66 44 66 32 72Z", c.main, BOLD)]


def jaguar(c):
    return [circle(26, 28, 11, TAWNY, BOLD), circle(74, 28, 11, TAWNY, BOLD),
            circle(26, 29, 5, INK, 0), circle(74, 29, 5, INK, 0),
            shape("M50 20C70 20 84 30 86 46L92 56L84 62C80 78 66 88 50 88C34 88 20 78 16 62"
                  "L8 56L14 46C16 30 30 20 50 20Z", TAWNY, BOLD),
            *[circle(x, y, 3.6, INK, 0) for x, y in
              ((40, 28), (60, 28), (24, 44), (76, 44), (22, 62), (78, 62))],
            ellipse(36, 48, 7, 5, AMBER, 2.4), ellipse(64, 48, 7, 5, AMBER, 2.4),
            ellipse(36, 48, 2, 4.2, INK, 0), ellipse(64, 48, 2, 4.2, INK, 0),
            shape("M38 68C30 66 28 74 32 78C38 84 46 80 50 76C54 80 62 84 68 78"
                  "C72 74 70 66 62 68Z", RIM_LIGHT, FINE),
            shape("M42 60H58L50 69Z", PINK, 2.4)]


def eagle(c):
    crest = []
    for k, (tx, ty) in enumerate(((10, 36), (15, 22), (24, 12), (37, 8))):
        bx, by = 34 + k * 4, 40 - k * 4
        crest.append(shape(f"M{bx - 4} {by + 2}Q{(bx + tx) / 2 - 4} {(by + ty) / 2 - 2} {tx} {ty}"
                           f"Q{(bx + tx) / 2 + 4} {(by + ty) / 2 + 6} {bx + 4} {by - 2}Z",
                           SLATE, FINE))
    breast = _bust(f"C22 68 30 62 40 62H62C72 64 80 70 {_on_rim(34)}", 142, 34)
    belly = _bust(f"C36 82 64 82 {_on_rim(60)}", 120, 60)
    head = shape("M26 70C16 56 18 38 30 30C40 24 54 24 64 30L70 54C64 60 56 64 48 66Z",
                 FLINT_LIGHT, BOLD)
    beak = shape("M62 30C72 26 84 30 88 40C91 48 88 56 84 60C83 55 80 53 76 53H64"
                 "C66 46 66 38 62 30Z", SLATE, BOLD)
    return [*crest, shape(breast, SLATE, BOLD), shape(belly, RIM_LIGHT, FINE), head, beak,
            circle(50, 42, 6.4, FUR, 2.4), circle(51, 42, 3.2, INK, 0),
            shape("M40 36C46 30 56 30 64 34C58 37 50 36 40 39Z", SLATE, 0)]


def wisdom(c):
    tufts = shape("M40 34C35 26 34 16 36 8C43 15 48 21 50 28Z"
                  "M50 28C50 18 54 10 62 6C62 16 60 24 58 30Z", c.shade, FINE)
    body = _bust(f"C18 66 28 62 40 62H62C72 64 80 70 {_on_rim(34)}", 147, 34)
    head = shape("M26 70C16 60 16 40 26 30C36 22 52 20 64 26C76 32 82 44 80 56"
                 "C78 66 70 72 60 72Z", c.main, BOLD)
    disc = shape("M58 26C72 30 82 42 80 56C78 66 70 72 60 72C54 60 54 40 58 26Z",
                 FUR_LIGHT, FINE)
    return [tufts, shape(body, c.main, BOLD),
            line("M40 78l4 4l4-4M56 78l4 4l4-4M48 88l4 4l4-4", FINE, c.shade),
            head, disc, circle(68, 44, 9.4, AMBER, FINE), circle(69.6, 44, 5.2, INK, 0),
            shape("M76 52C84 52 88 56 86 62C85 65 83 67 81 68C81 64 79 60 74 58Z",
                  SLATE, FINE)]


def earth(c):
    clod = "M6 58C30 53 70 53 94 58L90 72L78 84L62 90L44 92L28 86L12 74Z"
    hill = scallops_d(dome_points(30, 58, 22, 30, 7), 0.72)
    crown = scallops_d([(52, 32), (60, 24), (70, 21), (80, 24), (88, 32)], 0.62)
    return [shape(clod, LIMESTONE, BOLD),
            shape("M6 58C30 53 70 53 94 58L91 70C72 66 30 74 10 71Z", c.main, 0),
            shape("M64 58L62 64C54 68 52 76 56 82C60 86 80 86 84 82C88 76 86 68 78 64"
                  "L76 58Z", CAVE, FINE),
            shape("M55 76H85C84 81 80 84 70 84C60 84 56 81 55 76Z", CENOTE, 0),
            shape(clod, "none", BOLD),
            shape(hill + "Z", JADE, BOLD),
            shape("M66 58C68 50 68 42 68 32H74C74 42 74 50 76 58Z", FUR_DARK, FINE),
            shape(crown + "C76 35 64 35 52 32Z", JADE_DARK, BOLD)]


def flint(c):
    knife = [shape(capsule_d(14, 50, 36, 50, 7), FUR, BOLD),
             shape("M32 50C46 37 70 41 93 50C70 59 46 63 32 50Z", FLINT, BOLD),
             line("M48 46C58 44 70 45 84 48M48 54C58 56 70 55 84 52", FINE, FLINT_LIGHT),
             shape("M30 40H42V60H30Z", SOIL_LIGHT, FINE)]
    return [tag("g", knife, transform="rotate(-38 50 50)")]


def storm(c):
    cloud = ("M18 56C6 56 4 40 14 36C12 24 26 18 34 24C38 12 56 8 64 20"
             "C74 14 88 20 86 32C96 34 96 50 86 54C84 58 78 58 74 56Z")
    return [line("M24 64l-6 14M36 66l-6 14M70 66l-6 14M82 64l-6 14", 5, c.shade),
            tag("g", [shape(cloud, c.main, BOLD)],
                transform="translate(50 44) scale(0.9) translate(-50 -44)"),
            shape("M54 42L38 68H50L44 92L68 60H56L64 42Z", AMBER, FINE)]


def sun(c):
    petal = "M50 50C38 44 32 26 37 13C40 5 60 5 63 13C68 26 62 44 50 50Z"
    return [circle(50, 50, 40, SUN_GLOW, BOLD),
            *[shape("M50 50C42 38 44 22 50 12C56 22 58 38 50 50Z", AMBER, FINE,
                    transform=f"rotate({a} 50 50)") for a in (45, 135, 225, 315)],
            *[shape(petal, c.main, BOLD, transform=f"rotate({a} 50 50)")
              for a in (0, 90, 180, 270)],
            circle(50, 50, 11, RIM_LIGHT, BOLD), circle(50, 50, 4, c.shade, 0)]


# In day-sign order (1 = Crocodile .. 20 = Sun), like sign_motifs.MOTIFS.
BADGES = [(sign.name, globals()[sign.name.lower()]) for sign in day_signs()]
