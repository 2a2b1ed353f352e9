# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The twenty day-sign motifs, one small drawing function each.

Every function takes the sign's direction colours (main fill and its darker
shade) and returns SVG elements drawn in a 100 x 100 box; the cartouche and
card code place and scale that box.
"""

import math
from collections import namedtuple

from palette import INK, INK_SOFT, STONE, STONE_SHADE, RIM_LIGHT, JADE
from shades import (FUR, FUR_DARK, FUR_LIGHT, TAWNY, AMBER, SOIL, SOIL_LIGHT,
                    JADE_LIGHT, JADE_DARK, NIGHT, PINK, BONE_SHADE, FLINT,
                    FLINT_LIGHT, FLINT_DARK)
from svgkit import (OUTLINE, DETAIL, tag, shape, line, circle, ellipse, tube,
                    poly_d, spiral_points, star_points, num)
from drawkit import capsule_d, gust_points, solid
from sign_table import day_signs

Colours = namedtuple("Colours", "main shade")


def eye(cx, cy, r, iris=RIM_LIGHT, pupil_dx=0.0):
    """A round eye with a dark pupil and a small light glint."""
    return [circle(cx, cy, r, iris, DETAIL + 0.4),
            circle(cx + pupil_dx, cy, r * 0.55, INK, 0),
            circle(cx + pupil_dx - r * 0.2, cy - r * 0.22, r * 0.18, RIM_LIGHT, 0)]


def crocodile(c):
    mouth = shape("M36 54L88 44Q82 54 86 64L36 57Z", c.shade, DETAIL)
    upper_teeth = shape("M48 49l3 7l3-7l4-1l3 7l3-7l4-1l3 7l3-7l4-1l3 7l3-7Z",
                        RIM_LIGHT, 1.3)
    lower_teeth = shape("M50 62l3-6l3 6l5 1l3-6l3 6l5 1l3-6l3 6l5 1l3-6l3 6Z",
                        RIM_LIGHT, 1.3)
    jaw = shape("M34 56L84 62C92 63 94 72 86 74L46 80C30 82 16 78 8 68"
                "C16 66 26 60 34 56Z", JADE)
    belly = line("M16 72C28 76 40 76 50 74L84 69", DETAIL, JADE_LIGHT)
    head = shape("M6 66C6 48 14 36 26 31C30 20 46 17 50 28L78 30"
                 "C82 22 95 23 96 33C97 40 93 44 87 45L36 54C26 58 16 64 6 66Z",
                 JADE)
    scutes = shape("M9 50l2-8l5 4l1-9l6 5l2-9l5 6", JADE_DARK, DETAIL)
    spots = [circle(x, y, r, JADE_DARK, 0) for x, y, r in
             ((56, 36, 2.2), (64, 37, 1.8), (70, 35, 1.6), (20, 52, 2.4),
              (28, 46, 2), (18, 60, 1.8))]
    return [mouth, upper_teeth, lower_teeth, jaw, belly, head, scutes, *spots,
            *eye(39, 28, 6.5, AMBER),
            ellipse(89, 31, 2.6, 1.8, INK, 0),
            line("M30 34C34 24 44 21 48 27", DETAIL + 0.6),
            line("M4 88c8-5 14-5 22 0s14 5 22 0s14-5 22 0s14 5 22 0", DETAIL + 0.4,
                 c.shade)]


def wind(c):
    gusts = []
    for x0, y0, x1, r, sense in ((6, 34, 60, 13, 1), (2, 58, 72, 12, -1),
                                 (16, 80, 52, 9, 1)):
        gusts += tube(poly_d(gust_points(x0, y0, x1, r, sense), False), RIM_LIGHT, 5.6,
                      OUTLINE)
    leaf = "M0 -6.5C6.5 -6.5 10 0 0 6.5C-10 0 -6.5 -6.5 0 -6.5Z"
    leaves = [shape(leaf, JADE, DETAIL, transform=f"translate({x},{y}) rotate({a})")
              for x, y, a in ((88, 24, 50), (92, 50, 10), (82, 82, 80))]
    veins = [line("M0 -5V5", 1.2, JADE_DARK, transform=f"translate({x},{y}) rotate({a})")
             for x, y, a in ((88, 24, 50), (92, 50, 10), (82, 82, 80))]
    return [*gusts, *leaves, *veins]


def night(c):
    ground = shape("M2 84H98V94H2Z", SOIL)
    house = shape("M8 86V50C8 24 28 8 50 8C72 8 92 24 92 50V86Z", c.main)
    joints = line("M8 50H24M76 50H92M14 30H28M72 30H86M36 14V24M64 14V24"
                  "M8 68H24M76 68H92M16 50V68M84 50V68", DETAIL, c.shade)
    cave = shape("M24 86V56C24 38 36 26 50 26C64 26 76 38 76 56V86Z", NIGHT)
    moon = shape("M62 38A13 13 0 1 0 62 62A10 10 0 1 1 62 38Z", RIM_LIGHT, 1.4)
    stars = [shape(poly_d(star_points(x, y, r, r * 0.35, 4)), RIM_LIGHT, 0)
             for x, y, r in ((38, 42, 5), (44, 64, 3.5), (64, 74, 4), (33, 76, 3))]
    dots = [circle(x, y, 1.1, RIM_LIGHT, 0) for x, y in
            ((54, 34), (36, 56), (58, 82), (70, 66))]
    return [ground, house, joints, cave, moon, *stars, *dots]


def seed(c):
    soil = shape("M4 58C24 52 76 52 96 58C98 78 86 94 50 94C14 94 2 78 4 58Z", SOIL)
    surface = line("M8 58C26 54 74 54 92 58", DETAIL, SOIL_LIGHT)
    grains = [circle(x, y, 1.4, SOIL_LIGHT, 0) for x, y in
              ((16, 68), (24, 80), (80, 66), (84, 78), (66, 88), (34, 88),
               (70, 62), (28, 62))]
    roots = line("M44 84C40 88 36 88 32 92M50 86C50 90 52 92 50 94"
                 "M56 84C60 88 64 88 68 90M38 80C34 80 30 76 26 76", DETAIL,
                 FUR_LIGHT)
    stem = tube("M50 70C46 58 54 48 50 30", JADE, 4.2, DETAIL)
    leaf_l = shape("M50 40C42 26 28 20 12 24C20 38 38 44 50 40Z", JADE)
    leaf_r = shape("M51 32C58 18 72 10 88 12C84 26 66 36 51 32Z", JADE)
    ribs = line("M47 38C40 31 30 26 17 25M54 30C62 22 72 16 83 14", 1.2,
                JADE_DARK)
    bud = shape("M50 30C46 26 46 20 50 16C54 20 54 26 50 30Z", JADE_LIGHT, DETAIL)
    kernel = shape("M36 66C36 60 64 60 64 66C64 76 56 86 50 86C44 86 36 76 36 66Z",
                   c.main)
    split = line("M44 63C47 66 53 66 56 63", DETAIL)
    shine = shape("M40 68C40 74 43 79 46 81C42 76 42 72 43 68Z", RIM_LIGHT, 0)
    return [soil, surface, *grains, roots, *stem, leaf_l, leaf_r, ribs, bud,
            kernel, split, shine, circle(55, 74, 2.2, c.shade, 0)]


def serpent(c):
    coil = spiral_points(46, 64, 7, 29, 110, 560, 44)
    x, y = coil[-1]
    body = poly_d(coil, False) + f"C{num(x + 2)} {num(y - 22)} 42 36 56 36"
    tongue = line("M86 35H96l4-3m-4 3l4 3", DETAIL + 0.2, c.shade)
    head = shape("M50 34C46 20 58 12 72 12C84 12 94 20 94 30L74 34L90 40"
                 "C86 48 76 50 66 48C58 46 52 42 50 34Z", c.main)
    mouth = shape("M94 30L74 34L90 40Z", c.shade, 1.2)
    fang = shape("M84 31.5l-1 5l-3-4.2Z", RIM_LIGHT, 0.9)
    return [*tube(body, c.main, 10),
            line(body, 10, c.shade, "butt", stroke_dasharray="3 6"),
            line(body, 3, RIM_LIGHT, stroke_dasharray="0.1 9"),
            tongue, head, mouth, fang,
            *eye(68, 24, 4.6, AMBER), circle(88, 24, 1.2, INK, 0),
            line("M58 20C62 16 68 15 73 16", DETAIL),
            line("M56 42C60 45 66 46 72 45", 1.2, c.shade)]


def transformer(c):
    jaw = shape("M30 76H70L68 88C62 95 38 95 32 88Z", c.main)
    teeth = shape("M32 70H68V80H32Z", RIM_LIGHT, DETAIL)
    skull = shape("M14 46C14 24 30 8 50 8C70 8 86 24 86 46C86 58 80 66 72 70"
                  "H28C20 66 14 58 14 46Z", c.main, OUTLINE + 0.4)
    cheeks = shape("M20 58C24 64 28 66 32 66C30 62 26 60 20 58ZM80 58"
                   "C76 64 72 66 68 66C70 62 74 60 80 58Z", BONE_SHADE, 0)
    crack = line("M50 8L47 16L52 20L49 26", DETAIL, INK_SOFT)
    sockets = [ellipse(35, 46, 10, 9.5, INK), ellipse(65, 46, 10, 9.5, INK)]
    glints = [circle(37, 46, 3, c.main, 0), circle(67, 46, 3, c.main, 0)]
    nose = shape("M50 56L45 64H55Z", INK, DETAIL)
    gaps = line("M38 70V80M44 70V80M50 70V80M56 70V80M62 70V80M32 75H68",
                1.3, INK_SOFT)
    scroll = line(poly_d(spiral_points(76, 26, 1, 6, 540, 90, 20), False),
                  DETAIL, INK_SOFT)
    return [jaw, teeth, gaps, skull, cheeks, crack, *sockets, *glints, nose,
            scroll, line("M36 84C44 88 56 88 64 84", DETAIL, INK_SOFT)]


def deer(c):
    antler = ("M42 34C40 24 34 18 30 6M36 20L24 16M33 12L38 4"
              "M58 34C60 24 66 18 70 6M64 20L76 16M67 12L62 4")
    ears = [shape("M34 40C24 30 12 30 6 34C12 44 24 48 36 46Z", FUR),
            shape("M66 40C76 30 88 30 94 34C88 44 76 48 64 46Z", FUR)]
    inner = [shape("M30 41C22 36 15 35 11 36C16 42 24 44 32 44Z", FUR_LIGHT, 0),
             shape("M70 41C78 36 85 35 89 36C84 42 76 44 68 44Z", FUR_LIGHT, 0)]
    face = shape("M50 32C62 32 70 40 68 52C66 62 60 72 60 82C60 90 56 94 50 94"
                 "C44 94 40 90 40 82C40 72 34 62 32 52C30 40 38 32 50 32Z", FUR)
    blaze = shape("M50 40C56 40 58 48 56 58C54 66 54 74 56 80H44C46 74 46 66 44 58"
                  "C42 48 44 40 50 40Z", FUR_LIGHT, 0)
    nose = shape("M44 82C44 78 56 78 56 82C56 88 52 90 50 90C48 90 44 88 44 82Z",
                 INK, DETAIL)
    return [*tube(antler, STONE, 4, DETAIL + 0.4), *ears, *inner, face, blaze,
            ellipse(39, 54, 4, 5, INK, 0), ellipse(61, 54, 4, 5, INK, 0),
            circle(38, 52.5, 1.3, RIM_LIGHT, 0), circle(60, 52.5, 1.3, RIM_LIGHT, 0),
            nose]


def star(c):
    back = shape(poly_d(star_points(50, 50, 34, 12, 4, -45)), c.shade, DETAIL + 0.4)
    main = shape("M50 4Q55 45 96 50Q55 55 50 96Q45 55 4 50Q45 45 50 4Z", c.main,
                 OUTLINE + 0.2)
    facets = line("M50 10V40M50 60V90M10 50H40M60 50H90", 1.3, c.shade)
    core = circle(50, 50, 10, RIM_LIGHT, OUTLINE)
    sparks = [shape(poly_d(star_points(x, y, 5, 1.6, 4)), RIM_LIGHT, 1.1)
              for x, y in ((16, 16), (84, 16), (16, 84), (84, 84))]
    return [back, main, facets, core, circle(50, 50, 4.5, INK, 0),
            circle(48.5, 48.5, 1.4, RIM_LIGHT, 0), *sparks]


def offering(c):
    drop = shape("M50 6C54 16 62 24 62 32C62 39 57 44 50 44C43 44 38 39 38 32"
                 "C38 24 46 16 50 6Z", JADE)
    shine = shape("M44 30C44 26 46 22 48 19C48 24 47 28 46 32Z", JADE_LIGHT, 0)
    splash = [ellipse(x, y, 2.4, 3.4, JADE, DETAIL) for x, y in ((30, 46), (70, 46))]
    bowl = shape("M12 56H88C86 78 72 90 50 90C28 90 14 78 12 56Z", c.main)
    band = shape("M15 64H85C84 68 83 71 81 74H19C17 71 16 68 15 64Z", RIM_LIGHT,
                 DETAIL)
    beads = [circle(x, 69, 2.2, JADE, 1.1) for x in range(26, 76, 8)]
    water = ellipse(50, 56, 38, 6.5, JADE, OUTLINE)
    ripple = line("M34 56C40 53 46 53 50 55C54 57 60 57 66 55", DETAIL, JADE_LIGHT)
    foot = shape("M38 88H62L66 96H34Z", c.shade)
    return [foot, bowl, band, *beads, water, ripple, drop, shine, *splash]


def dog(c):
    head = shape("M18 100C14 80 16 58 24 44C28 36 34 30 42 28C50 26 58 30 62 36"
                 "L88 42C94 43 98 47 97 52C97 56 94 58 90 58L70 62L86 62C89 62 90 66 87 68"
                 "C82 72 74 74 66 74C60 78 54 84 50 100Z", c.main)
    ear = shape("M26 42C22 28 22 14 28 4C38 12 46 22 48 30C40 32 32 36 26 42Z", c.main)
    inner_ear = shape("M30 34C28 24 29 16 31 12C36 18 40 24 42 29Z", PINK, 0)
    patch = shape("M44 30C52 28 60 32 62 38C60 46 52 48 46 44C42 40 40 34 44 30Z",
                  FUR, 0)
    tongue = shape("M72 64C78 63 84 64 84 70C85 78 81 82 77 81C73 80 72 74 72 66Z",
                   PINK, DETAIL)
    nose = shape("M88 42C94 42 98 46 97 51C93 53 89 52 87 49Z", INK, DETAIL)
    spots = [circle(x, y, r, FUR, 0) for x, y, r in ((28, 68, 4.4), (22, 84, 3.2),
                                                     (36, 82, 2.6))]
    return [head, ear, inner_ear, patch, *spots, tongue,
            line("M78 65V74", 1.2, "#b85a56"),
            *eye(54, 40, 4.6, AMBER, 1), nose,
            line("M58 33C61 31 65 32 67 35", DETAIL),
            line("M64 64C66 64 68 63 70 62", DETAIL)]


def monkey(c):
    tail = poly_d(spiral_points(24, 24, 2, 15, 560, 90, 30), False)
    tail += "C 20 44 20 60 30 72"
    ears = [circle(20, 56, 11, FUR), circle(80, 56, 11, FUR),
            circle(20, 56, 6, FUR_LIGHT, 0), circle(80, 56, 6, FUR_LIGHT, 0)]
    head = shape("M50 22C70 22 80 36 80 54C80 76 68 90 50 90C32 90 20 76 20 54"
                 "C20 36 30 22 50 22Z", FUR)
    tuft = shape("M40 26C40 16 46 12 50 10C50 16 54 18 58 16C58 20 56 24 58 26Z",
                 FUR_DARK, DETAIL)
    mask = shape("M50 40C54 34 64 32 70 38C76 44 74 56 68 62C74 70 70 84 50 84"
                 "C30 84 26 70 32 62C26 56 24 44 30 38C36 32 46 34 50 40Z",
                 FUR_LIGHT)
    brow = line("M30 46C36 40 44 42 48 46M52 46C56 42 64 40 70 46", 2.2)
    mouth = line("M40 74C46 79 54 79 60 74", 2)
    band = shape("M28 30C40 22 60 22 72 30L70 36C60 30 40 30 30 36Z", c.main,
                 DETAIL)
    return [*tube(tail, FUR, 5, DETAIL + 0.4), *ears, head, tuft, mask, band,
            *eye(40, 52, 5), *eye(60, 52, 5), brow,
            ellipse(46, 65, 1.6, 2.4, INK, 0), ellipse(54, 65, 1.6, 2.4, INK, 0),
            mouth]


def road(c):
    horizon_y, bottom_y = 38, 98

    def centre_x(s):  # s = 0 at the horizon, 1 at the near edge
        return 64 - 18 * s + 20 * math.sin(math.pi * s)

    steps = 24
    left, right = [], []
    for i in range(steps + 1):
        s = 0.03 + 0.97 * i / steps
        y = horizon_y + (bottom_y - horizon_y) * s
        half = 26 * s
        left.append((centre_x(s) - half, y))
        right.append((centre_x(s) + half, y))
    temple = [shape("M48 38V32H52V26H56V20H60V14H68V20H72V26H76V32H80V38Z",
                    c.shade, DETAIL),
              shape("M61 14V8H67V14Z", c.shade, DETAIL),
              shape("M62 38V16H66V38Z", c.main, 1.2)]
    horizon = line("M4 38H96", 2.2, INK_SOFT)
    path = shape(poly_d(left + right[::-1]), c.main)
    foot = ("M0.4 -6.5C3.4 -6.5 4.2 -3 3.6 0C3.1 2.4 2.2 3.4 2.4 5.2"
            "C2.6 7.2 1.4 8.4 -0.2 8.4C-2 8.4 -3 7 -2.8 5C-2.6 2.5 -3.8 0.5 -3.6 -2.5"
            "C-3.4 -5.2 -1.8 -6.5 0.4 -6.5Z"
            "M-3 -8.6a1.6 1.6 0 1 0 0.1 0ZM-0.4 -9.8a1.3 1.3 0 1 0 0.1 0Z"
            "M1.8 -9.6a1.1 1.1 0 1 0 0.1 0ZM3.6 -8.7a0.9 0.9 0 1 0 0.1 0Z"
            "M5 -7.2a0.8 0.8 0 1 0 0.1 0Z")
    prints = []
    for i, s in enumerate((0.85, 0.62, 0.42, 0.26)):
        side = -1 if i % 2 else 1
        y = horizon_y + (bottom_y - horizon_y) * s
        dx = (centre_x(s + 0.01) - centre_x(s - 0.01)) / (0.02 * (bottom_y - horizon_y))
        angle = math.degrees(math.atan(dx))
        px = centre_x(s) + side * 26 * s * 0.38
        mirror = "" if side > 0 else " scale(-1,1)"
        prints.append(shape(foot, INK_SOFT, 0,
                            transform=f"translate({num(px)},{num(y)}) "
                                      f"rotate({num(-angle)}) "
                                      f"scale({num(0.4 + 1.1 * s)}){mirror}"))
    grass = line("M10 92l-3-9m3 9l1-11m-1 11l5-8M92 90l-3-9m3 9l1-11m-1 11l5-8"
                 "M88 52l-2-6m2 6l1-7m-1 7l3-5M14 58l-2-6m2 6l1-7m-1 7l3-5"
                 "M34 46l-2-5m2 5l1-6m-1 6l3-4", 2.2, JADE_DARK)
    stones = [ellipse(x, y, rx, ry, STONE_SHADE, 1.2) for x, y, rx, ry in
              ((16, 74, 4, 2.6), (92, 68, 3, 2), (40, 42, 2.6, 1.8))]
    return [*temple, horizon, *stones, path, *prints, grass]


def reed(c):
    stalks = ((50, 94, 50, 18), (45, 94, 27, 28), (55, 94, 73, 30))
    drawing = [shape("M28 44C18 44 8 52 4 64C12 58 20 54 30 52Z", JADE),
               shape("M70 50C82 46 92 50 98 60C88 56 80 56 70 58Z", JADE),
               shape("M48 40C40 30 38 18 42 8C46 18 50 28 52 36Z", JADE)]
    for x0, y0, x1, y1 in stalks:
        drawing += tube(f"M{x0} {y0}L{x1} {y1}", JADE_LIGHT, 6.5)
    rings = []
    for x0, y0, x1, y1 in stalks:
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        for d in (20, 36, 52):
            px, py = x0 + ux * d, y0 + uy * d
            rings.append(f"M{num(px - uy * 3.3)} {num(py + ux * 3.3)}"
                         f"L{num(px + uy * 3.3)} {num(py - ux * 3.3)}")
        angle = math.degrees(math.atan2(uy, ux)) + 90
        drawing.append(ellipse(x1 + ux * 6, y1 + uy * 6, 4.6, 9, SOIL_LIGHT,
                               DETAIL, rotate=angle if abs(angle) > 0.5 else None))
    drawing.append(line("".join(rings), 1.8, JADE_DARK))
    drawing += [shape("M36 66C46 62 54 62 64 66V74C54 70 46 70 36 74Z", c.main),
                shape("M62 70C70 70 76 76 76 84C72 80 68 78 62 76Z", c.main, DETAIL),
                line("M36 70C46 66 54 66 64 70", 1.2, c.shade)]
    drawing.append(line("M4 94c6-4 10-4 16 0s10 4 16 0s10-4 16 0s10 4 16 0"
                        "s10-4 16 0s10 4 16 0", 2.2, INK_SOFT))
    return drawing


def jaguar(c):
    ears = [circle(24, 26, 11, TAWNY), circle(76, 26, 11, TAWNY),
            circle(24, 27, 5.5, INK, 0), circle(76, 27, 5.5, INK, 0)]
    head = shape("M50 18C70 18 84 28 86 44L94 56L85 62C80 80 66 90 50 90"
                 "C34 90 20 80 15 62L6 56L14 44C16 28 30 18 50 18Z", TAWNY)
    rosette = "c2.6-3.4 7.4-2.6 8 1c0.6 3.8-3.4 6.6-6.6 5.2c-3-1.4-3.4-3.8-1.4-6.2Z"
    spots = [shape(f"M{x} {y}" + rosette, "none", 1.8) for x, y in
             ((40, 24), (54, 23), (24, 40), (68, 38), (18, 58), (76, 56))]
    centres = [circle(x + 4, y + 2.6, 1.3, INK, 0) for x, y in
               ((40, 24), (54, 23), (24, 40), (68, 38), (18, 58), (76, 56))]
    dots = [circle(x, y, 1.8, INK, 0) for x, y in ((48, 34), (33, 32), (64, 30),
                                                   (30, 76), (70, 76), (12, 50),
                                                   (88, 50))]
    muzzle = shape("M38 68C30 66 26 72 30 78C34 84 44 82 50 78C56 82 66 84 70 78"
                   "C74 72 70 66 62 68Z", RIM_LIGHT, DETAIL)
    tears = line("M30 54C34 60 36 64 38 68M70 54C66 60 64 64 62 68", 2)
    nose = shape("M42 60H58L50 69Z", PINK, DETAIL)
    mouth = line("M50 69V74M50 74C46 78 42 78 40 76M50 74C54 78 58 78 60 76",
                 DETAIL)
    eyes = [ellipse(35, 48, 7.5, 5.2, AMBER, DETAIL, rotate=12),
            ellipse(65, 48, 7.5, 5.2, AMBER, DETAIL, rotate=-12),
            ellipse(35, 48, 1.8, 4.4, INK, 0), ellipse(65, 48, 1.8, 4.4, INK, 0)]
    whiskers = [circle(x, y, 1, INK, 0) for x, y in ((36, 73), (41, 76),
                                                     (64, 73), (59, 76))]
    return [*ears, head, *spots, *centres, *dots, tears, muzzle, nose, mouth,
            *eyes, *whiskers]


def eagle(c):
    body = shape("M8 100C8 84 14 70 26 62H56C68 64 80 78 88 100Z", FUR_DARK)
    scallops = line("M20 78c4 4 8 4 12 0s8-4 12 0s8 4 12 0s8-4 12 0M16 90c4 4 8 4 12 0"
                    "s8-4 12 0s8 4 12 0s8-4 12 0s8 4 12 0", 2, FUR)
    lower = shape("M56 48H80C78 54 72 56 65 56C60 56 57 53 56 48Z", AMBER, DETAIL)
    # Head and upper beak share one outline; the beak is then coloured in
    # up to the feathered edge at its root.
    head = ("M20 72C12 58 12 38 24 27C34 18 50 15 62 21C72 22 82 24 89 31"
            "C95 37 96 48 92 56C91 59 88 59 88 56C87 52 84 49 78 48H62"
            "C58 54 56 56 52 58L50 68L45 62L40 70L35 62L30 70L27 63Z")
    beak = ("M63 21C72 22 82 24 89 31C95 37 96 48 92 56C91 59 88 59 88 56"
            "C87 52 84 49 78 48H60C62 43 60 39 62 33C63 28 61 25 63 21Z")
    root = line("M63 21C61 25 63 28 62 33C60 39 62 43 60 48", DETAIL)
    shading = line("M22 48C24 56 28 60 34 62M30 36C34 32 40 30 46 30", DETAIL,
                   STONE_SHADE)
    gape = line("M79 48C72 48 64 49 56 52", 2.2)
    brow = shape("M34 31C42 25 54 25 63 30C58 33 52 34 48 33C43 33 38 34 34 37Z", INK, 0)
    return [body, scallops, lower, *solid([head], RIM_LIGHT, OUTLINE),
            tag("path", d=beak, fill=AMBER), root, shading, gape,
            ellipse(73, 32, 3, 1.6, INK, 0), *eye(49, 39, 5.4, AMBER, 1), brow]


def wisdom(c):
    branch = [shape("M4 88C30 84 70 84 96 88L96 94C70 90 30 90 4 94Z", SOIL),
              line("M86 88l6-8", 3, SOIL)]
    body = shape("M50 14C70 14 82 28 82 50C82 72 70 88 50 88C30 88 18 72 18 50"
                 "C18 28 30 14 50 14Z", c.main, OUTLINE + 0.2)
    tufts = shape("M22 34L16 8L38 20ZM78 34L84 8L62 20Z", c.main)
    wings = shape("M20 46C10 58 14 76 28 86C28 70 26 58 20 46ZM80 46"
                  "C90 58 86 76 72 86C72 70 74 58 80 46Z", c.shade)
    chest = shape("M50 56C62 56 68 66 66 76C64 84 58 88 50 88C42 88 36 84 34 76"
                  "C32 66 38 56 50 56Z", RIM_LIGHT, DETAIL)
    marks = line("M42 66l3 3l3-3M52 66l3 3l3-3M46 74l3 3l3-3M56 74l3 3l3-3"
                 "M40 80l3 3l3-3", 1.3, c.shade)
    discs = [circle(36, 38, 14, RIM_LIGHT, OUTLINE), circle(64, 38, 14, RIM_LIGHT,
                                                           OUTLINE)]
    eyes = [circle(36, 38, 8, AMBER, DETAIL), circle(64, 38, 8, AMBER, DETAIL),
            circle(36, 38, 4.2, INK, 0), circle(64, 38, 4.2, INK, 0),
            circle(34.5, 36.5, 1.4, RIM_LIGHT, 0), circle(62.5, 36.5, 1.4, RIM_LIGHT, 0)]
    beak = shape("M45 48H55L50 58Z", AMBER, DETAIL)
    feet = line("M42 86v5M46 86v5M54 86v5M58 86v5", 2.4, AMBER)
    return [*branch, tufts, body, wings, chest, marks, *discs, *eyes, beak, feet]


def earth(c):
    clod = ("M6 54C30 49 70 49 94 54L90 64L94 72L80 78L76 90L62 86L52 97L44 87L30 90"
            "L26 78L12 74L14 64Z")
    layers = [shape(clod, SOIL),
              shape("M6 54C30 49 70 49 94 54L91.5 61C70 57 30 57 9.5 61Z", JADE, 0),
              line("M9.5 61C30 57 70 57 91.5 61", DETAIL, JADE_DARK),
              line("M14 70C30 66 40 72 56 68C70 64 80 70 92 68M28 82C38 78 50 82 62 80"
                   "C68 79 72 80 76 82", DETAIL, SOIL_LIGHT)]
    stones = [ellipse(x, y, rx, ry, STONE_SHADE, 1.2) for x, y, rx, ry in
              ((24, 66, 4, 2.6), (66, 74, 3.6, 2.4), (48, 84, 3, 2), (80, 64, 2.6, 1.8))]
    roots = line("M44 88C42 92 44 96 40 100M62 86C64 90 62 94 66 98M30 90C28 94 24 96 22 98"
                 "M78 80C80 84 84 86 86 90", 2.2, SOIL)
    peak = shape("M18 53L42 14L56 34L64 26L86 53C64 50 40 50 18 53Z", c.main)
    snow = shape("M42 14L49 25L44 23L40 27L36 24Z", RIM_LIGHT, DETAIL)
    ridge = line("M42 14L46 34M64 26L62 40", DETAIL, c.shade)
    grass = line("M10 52l-1-5m1 5l2-5M88 52l-1-5m1 5l2-5M72 50l-1-4m1 4l2-4", 1.8,
                 JADE_DARK)
    return [roots, *layers, *stones, peak, ridge, snow, grass,
            shape(clod, "none", OUTLINE + 0.2)]


def flint(c):
    # Drawn lying along y = 50 with the point to the right, then tilted.
    upper, lower = [], []
    for i in range(21):
        t = i / 20
        x = 40 + 56 * t
        half = 14 * (1 - t ** 1.7) ** 0.85 * (0.62 + 0.38 * math.sin(min(t / 0.3, 1) * math.pi / 2))
        notch = 1.3 if i % 2 else 0
        upper.append((x, 50 - half + notch))
        lower.append((x, 50 + half - notch))
    blade = poly_d(upper + lower[::-1][:-1])
    scars = [ellipse(x, 50 + side * 6, 5, 3.4, FLINT_LIGHT, 0, rotate=side * 14)
             for x, side in ((48, -1), (58, -1), (68, -1), (50, 1), (60, 1), (70, 1))]
    ridge = line("M42 50C56 49 72 50 92 50", 1.4, FLINT_DARK)
    handle = [shape(capsule_d(8, 50, 40, 50, 6.4), FUR),
              line("M14 46H30M14 54H30", 1.2, FUR_DARK)]
    pommel = circle(8, 50, 7.4, FUR_DARK)
    binding = [shape("M32 41H46V59H32Z", SOIL_LIGHT),
               line("M35 41L32 47M39 41L33 53M43 41L34 59M46 44L39 59M46 51L43 59", 1.4,
                    INK_SOFT)]
    drawing = [*handle, pommel, shape(blade, FLINT, OUTLINE), *scars, ridge,
               shape(blade, "none", OUTLINE), *binding]
    return [tag("g", drawing,
                transform="translate(50,50) scale(1.12) rotate(-38) translate(-50,-46)")]


def storm(c):
    rain = line("M22 62l-6 14M34 64l-6 14M66 64l-6 14M78 62l-6 14M28 80l-4 10"
                "M72 80l-4 10M84 74l-4 10M16 78l-4 10", 2.6, c.shade)
    bolt = shape("M54 44L38 70H50L40 96L66 62H54L64 44Z", AMBER, OUTLINE)
    cloud = shape("M18 56C6 56 4 40 14 36C12 24 26 18 34 24C38 12 56 8 64 20"
                  "C74 14 88 20 86 32C96 34 96 50 86 54C84 58 78 58 74 56Z", c.main,
                  OUTLINE + 0.2)
    under = shape("M18 56C24 52 30 52 34 56C40 50 50 50 54 56C60 50 70 50 74 56Z",
                  c.shade, DETAIL)
    curls = line(poly_d(spiral_points(40, 36, 1, 7, 450, 120, 18), False) +
                 poly_d(spiral_points(66, 34, 1, 6, 450, 120, 18), False),
                 DETAIL, RIM_LIGHT)
    return [rain, cloud, under, curls, bolt]


def sun(c):
    long_rays = shape(poly_d(star_points(50, 50, 48, 26, 8, -90)), c.shade, DETAIL)
    short_rays = shape(poly_d(star_points(50, 50, 40, 26, 8, -67.5)), AMBER, DETAIL)
    ring = circle(50, 50, 30, RIM_LIGHT, OUTLINE)
    disc = circle(50, 50, 25, c.main, OUTLINE)
    face = [
        line("M35 39C38 36 42 36 45 38M55 38C58 36 62 36 65 39", DETAIL),
        ellipse(40, 45, 4, 3.2, RIM_LIGHT, 1.4), ellipse(60, 45, 4, 3.2, RIM_LIGHT, 1.4),
        circle(40, 45.4, 2, INK, 0), circle(60, 45.4, 2, INK, 0),
        line("M50 46C49 50 47 53 48 55C49 56 51 56 52 55", DETAIL),
        shape("M41 61C46 66 54 66 59 61C54 62.5 46 62.5 41 61Z", INK, 1.4),
        circle(36, 55, 3, AMBER, 0), circle(64, 55, 3, AMBER, 0),
    ]
    return [long_rays, short_rays, ring, disc, *face]


# English name, drawing function; in day-sign order (1 = Crocodile .. 20 = Sun),
# as resources/signs.tsv lists them. Each sign's drawing is the function of
# its English name in lower case.
MOTIFS = [(sign.name, globals()[sign.name.lower()]) for sign in day_signs()]
