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
                    FLINT_LIGHT, FLINT_DARK, SKY, HIDE, HIDE_DARK, HIDE_PINK, SLATE,
                    SUN_GLOW, LIMESTONE, LIMESTONE_DARK, CAVE, CENOTE, CENOTE_LIGHT)
from svgkit import (OUTLINE, DETAIL, tag, shape, line, circle, ellipse, tube,
                    poly_d, spiral_points, star_points, num)
from drawkit import capsule_d, gust_points, dome_points, scallops_d
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
    # Ik', the wind: a T-shaped window through a stone wall, the breath of
    # the world blowing out of it in curling gusts.
    wall = shape("M4 16Q4 10 10 10H62Q68 10 68 16V84Q68 90 62 90H10Q4 90 4 84Z", c.main)
    courses = line("M4 24H12M62 24H68M4 44H26M48 44H68M4 66H26M48 66H68"
                   "M36 10V18M12 24V44M62 24V44M16 44V66M58 66V90M14 66V90",
                   DETAIL, c.shade)
    window = "M12 18H60V38H47V84H25V38H12Z"
    opening = [shape(window, SKY), shape("M12 18H60L57 22H16V38H12Z", c.shade, 0),
               shape("M25 38H29V84H25Z", c.shade, 0),
               line("M34 29H52M33 50H42M35 74H43", 2.4, RIM_LIGHT),
               shape(window, "none")]
    gusts = []
    for x0, y0, x1, r, sense, width in ((60, 29, 84, 10, 1, 5.4),
                                        (47, 62, 84, 9, -1, 5.4)):
        gusts += tube(poly_d(gust_points(x0, y0, x1, r, sense), False), RIM_LIGHT, width,
                      OUTLINE)
    leaf = "M0 -6C6 -6 9 0 0 6C-9 0 -6 -6 0 -6Z"
    places = ((90, 44, 20), (84, 88, 70))
    leaves = [shape(leaf, JADE, DETAIL, transform=f"translate({x},{y}) rotate({a})")
              for x, y, a in places]
    veins = [line("M0 -4.6V4.6", 1.2, JADE_DARK, transform=f"translate({x},{y}) rotate({a})")
             for x, y, a in places]
    return [wall, courses, *opening, *gusts, *leaves, *veins]


def night(c):
    # Ak'ab'al, the night house: a corbel-vaulted doorway, its sides stepping
    # in course by course to a flat capstone, dark inside with moon and stars.
    ground = shape("M2 84H98V94H2Z", SOIL)
    house = shape("M8 86V14H92V86Z", c.main)
    cornice = [shape("M4 8H96V20H4Z", c.shade),
               line("M4 14H96", DETAIL, c.main)]
    joints = line("M8 32H20M80 32H92M8 50H18M82 50H92M8 68H24M76 68H92"
                  "M14 20V32M86 20V32M14 50V68M86 50V68M16 68V86M84 68V86"
                  "M30 20V26M70 20V26", DETAIL, c.shade)
    # The vault: straight jambs, a small ledge where the vault springs, then
    # straight sides leaning in, course over course, to a flat capstone.
    steps = [(24, 86), (24, 58), (28, 58), (44, 24), (50, 24)]
    right = [(100 - x, y) for x, y in reversed(steps)]
    courses = line("".join(f"M{num(28 + 16 * t)} {num(58 - 34 * t)}h-{num(9 - 3 * t)}"
                           f"M{num(72 - 16 * t)} {num(58 - 34 * t)}h{num(9 - 3 * t)}"
                           for t in (0.25, 0.5, 0.75)), DETAIL, c.shade)
    cave = shape(poly_d(steps + right), NIGHT)
    moon = shape("M62 48A11 11 0 1 0 62 68A8.5 8.5 0 1 1 62 48Z", RIM_LIGHT, 1.4)
    stars = [shape(poly_d(star_points(x, y, r, r * 0.35, 4)), RIM_LIGHT, 0)
             for x, y, r in ((40, 50, 4.6), (44, 70, 3.4), (50, 34, 3.4), (36, 78, 3))]
    dots = [circle(x, y, 1.1, RIM_LIGHT, 0) for x, y in
            ((56, 40), (38, 62), (58, 80), (66, 74), (46, 58))]
    return [ground, house, *cornice, joints, courses, cave, moon, *stars, *dots]


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
    # Tz'i', the dog: the hairless dog of the Maya, grey and bare-skinned with
    # pink mottling, tall bat ears (one torn, as the glyph draws it) and a
    # collar of white shell beads.
    far_ear = shape("M30 46C20 34 16 20 18 8C28 14 38 26 42 40Z", HIDE_DARK)
    head = shape("M18 100C14 80 16 62 26 48C32 40 42 35 52 36C60 37 66 40 70 43"
                 "L90 50C96 52 98 57 93 60L76 64C68 70 62 74 56 78C52 86 50 94 52 100Z",
                 HIDE)
    ear = shape("M38 42C30 28 30 14 34 2C39 5 43 9 46 14L42 17L49 19"
                "C54 26 57 32 56 40Z", HIDE)
    inner_ear = shape("M41 37C37 28 36 18 37 10C43 16 48 26 51 36Z", HIDE_PINK, 0)
    mottling = [shape(d, HIDE_PINK, 0) for d in
                ("M24 64C30 60 36 64 34 70C30 74 24 72 24 64Z",
                 "M30 80C34 78 38 80 37 84C34 86 30 85 30 80Z",
                 "M68 50C72 49 75 51 74 54C71 55 68 54 68 50Z")]
    wrinkles = line("M46 42C50 40 54 40 57 42M44 48C48 46 52 46 55 48", 1.3, HIDE_DARK)
    nose = shape("M90 49C95 50 98 54 96 58C92 58 89 55 88 51Z", INK, DETAIL)
    mouth = line("M92 60C84 61 78 62 71 61", DETAIL)
    eye = [shape("M56 48C59 44 65 43 68 46C65 50 60 51 56 48Z", AMBER, DETAIL),
           circle(63, 47, 1.8, INK, 0)]
    collar = [shape("M17 84C28 88 40 86 53 80L52 90C40 95 28 96 18 93Z", c.main),
              *[circle(x, y, 2.6, RIM_LIGHT, 1.2) for x, y in
                ((24, 92), (32, 92.5), (40, 90.5), (47, 87.5))]]
    return [far_ear, head, *mottling, ear, inner_ear, wrinkles, nose, mouth, *eye,
            *collar]


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
    # Tz'ikin, the bird of prey: the harpy eagle of the rainforest, its grey
    # head crowned by a split crest, a heavy black hooked beak and a dark band
    # across the white breast.
    crest = [shape(d, SLATE, DETAIL) for d in
             ("M24 40C14 34 6 24 4 12C14 16 22 24 28 32Z",
              "M28 34C20 24 16 14 18 2C26 10 32 20 34 30Z",
              "M38 28C36 18 38 8 44 0C48 10 46 20 44 28Z",
              "M44 28C46 18 52 10 60 6C58 16 54 22 50 30Z")]
    breast = shape("M8 100C8 86 14 74 24 66H58C70 68 80 80 86 100Z", RIM_LIGHT)
    band = shape("M11 86C14 76 18 70 24 66H58C66 67 72 72 76 80C70 84 64 80 58 84"
                 "C52 80 46 86 40 82C34 86 28 80 22 86C18 82 14 86 11 86Z", SLATE, DETAIL)
    head = shape("M22 74C12 62 12 44 22 33C32 22 48 20 60 25C66 27 70 30 72 34"
                 "L74 52C70 58 62 62 56 64L52 72L46 66L40 74L34 66L28 74Z", FLINT_LIGHT)
    ruff = line("M28 66C22 56 22 44 30 36M60 60C66 56 68 50 66 44", DETAIL, FLINT)
    beak = shape("M64 30C74 26 86 30 90 40C93 48 92 56 87 62C86 57 83 54 78 54H66"
                 "C68 46 68 38 64 30Z", SLATE)
    beak_shine = line("M70 32C78 31 84 35 86 40", 1.4, FLINT)
    gape = line("M79 54C74 54 69 55 63 58", 2.2)
    return [*crest, breast, band, head, ruff, beak, beak_shine, gape,
            *eye(52, 41, 5.6, FUR, 0.6),
            shape("M42 36C48 30 58 30 66 34C62 37 56 36 52 35C48 35 45 36 42 38Z", SLATE, 0)]


def wisdom(c):
    # Ajmaq, the owl, messenger of the underworld: head and shoulders in
    # profile like the other birds and beasts, with feathered horns, the rim
    # of the facial disc, a great round eye and a short hooked beak.
    tufts = shape("M46 30C40 20 38 10 40 0C48 8 54 16 56 26Z"
                  "M56 26C56 16 60 8 66 2C68 12 66 20 64 28Z", c.shade)
    body = shape("M8 100C8 82 16 70 28 64H62C74 68 84 80 88 100Z", c.main)
    wing = shape("M8 100C8 84 14 72 24 66C32 74 36 88 34 100Z", c.shade)
    bars = line("M14 84C18 82 22 82 26 84M12 94C17 92 23 92 28 94M18 74C21 72 24 72 27 74",
                DETAIL, c.main)
    chevrons = line("".join(f"M{x - 4} {y}l4 3.4l4-3.4" for x, y in
                            ((46, 78), (58, 78), (70, 80), (52, 88), (64, 88), (76, 90),
                             (46, 96), (58, 96))), DETAIL, c.shade)
    head = shape("M26 72C14 62 12 44 22 32C32 22 50 20 64 24C78 28 88 40 86 54"
                 "C84 66 74 72 62 74Z", c.main)
    disc = shape("M58 25C76 27 87 40 86 54C85 64 77 71 64 73C56 62 54 42 58 25Z", FUR_LIGHT)
    rim = line("M58 25C54 42 56 62 64 73", 3, c.shade)
    ticks = line("M56.6 32l-4-1M55.6 40l-4 0M55.4 48l-4 1M56 56l-4 2M57.8 64l-4 3", 1.8,
                 c.shade)
    marks = line("M30 40l3 3l3-3M40 34l3 3l3-3M28 54l3 3l3-3M40 48l3 3l3-3"
                 "M36 62l3 3l3-3", DETAIL, c.shade)
    eyes = [circle(71, 42, 10, AMBER, DETAIL + 0.4), circle(72.6, 42, 5.4, INK, 0),
            circle(70.4, 39.8, 1.8, RIM_LIGHT, 0),
            shape("M60 35C64 28 76 27 84 33C79 33 74 33 70 34C66 34 63 35 60 38Z", c.shade, 0)]
    beak = shape("M80 50C87 49 92 53 91 60C90 64 87 67 84 69C84 64 82 60 78 58Z",
                 SLATE, DETAIL)
    return [tufts, body, wing, bars, chevrons, head, disc, rim, ticks, marks, *eyes, beak]


def earth(c):
    # Kab'an, the earth, as the Maya lowland knows it: a clod of red earth
    # over white limestone, a steep hill under forest rising from it, a ceiba
    # at the mouth of a cenote and the cenote's water in the rock below, the
    # tree's roots hanging down to it.
    clod = ("M6 56C30 52 70 52 94 56L91 68L95 76L82 82L78 92L62 89L52 98L42 89L28 92"
            "L24 82L10 76L13 68Z")
    rock = [shape(clod, LIMESTONE),
            line("M14 76H30M22 83H42M32 89H44M84 76H92M60 94H66", DETAIL, LIMESTONE_DARK)]
    soil = [shape("M6 56C30 52 70 52 94 56L91 68C72 65 56 71 40 69C28 68 20 70 13 70Z",
                  c.main, 0),
            line("M13 70C20 70 28 68 40 69C56 71 72 65 91 68", DETAIL, c.shade),
            line("M20 61H28M44 63H50M84 61H88", DETAIL, c.shade)]
    # The cenote: a narrow mouth through the earth, a cave opening under it
    # and the pool of water at its foot.
    cave = "M63 54L62 66C55 69 51 76 53 82C56 87 82 87 85 82C87 76 82 69 76 66L75 54Z"
    cenote = [shape(cave, CAVE, DETAIL),
              shape("M63.4 57H74.6L77 81H61Z", "#6e6253", 0),
              shape("M53.4 79C60 80.4 78 80.4 85.4 79C85 83 82 85 69 85"
                    "C56 85 54 83 53.4 79Z", CENOTE, 0),
              line("M58 81.6H65M72 82.2H79", 1.2, CENOTE_LIGHT),
              shape(cave, "none", DETAIL),
              line("M65 55C64 62 66 70 64 78M68 55C69 62 67 68 69 76"
                   "M72 55C73 60 71 68 74 76", 1.3, SOIL_LIGHT)]
    # The hill: a round hill of the limestone, the forest's crowns over it.
    hill = scallops_d(dome_points(34, 56, 29, 38, 13), 0.72)
    forest = [shape(hill + "Z", JADE),
              line(scallops_d([(16, 40), (22, 37), (28, 36), (34, 37)], 0.7)
                   + scallops_d([(28, 28), (34, 26), (40, 27)], 0.7)
                   + scallops_d([(12, 50), (18, 48), (24, 47), (30, 48)], 0.7)
                   + scallops_d([(38, 42), (44, 40), (50, 41)], 0.7),
                   DETAIL, JADE_DARK)]
    trunk = [shape("M64 55C67 52 68 46 68 34H74C74 46 75 52 78 55Z", FUR_DARK, DETAIL),
             line("M68 40L62 32M74 40L80 32", 2.4, FUR_DARK)]
    crown = shape(scallops_d([(54, 34), (60, 26), (68, 22), (76, 22), (84, 26), (90, 34)], 0.6)
                  + "C80 37 64 37 54 34Z", JADE_DARK)
    roots = line("M36 90C34 94 36 97 32 100M62 89C64 93 62 96 66 99M22 84C20 88 16 90 14 92"
                 "M82 82C84 86 88 88 90 92", 2.2, SOIL)
    return [roots, *rock, *soil, *cenote, *forest, *trunk, crown,
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
    # K'in, the sun: the four-petalled flower that writes "sun" and "day",
    # on the sun's round disc, with a pointed bud between each two petals.
    disc = circle(50, 50, 40, SUN_GLOW, OUTLINE)
    buds = [shape("M50 50C42 38 44 22 50 12C56 22 58 38 50 50Z", AMBER, DETAIL,
                  transform=f"rotate({a} 50 50)") for a in (45, 135, 225, 315)]
    petal = "M50 50C38 44 32 26 37 13C40 5 60 5 63 13C68 26 62 44 50 50Z"
    petals = [shape(petal, c.main, OUTLINE + 0.2, transform=f"rotate({a} 50 50)")
              for a in (0, 90, 180, 270)]
    veins = [line("M50 40C44 34 41 22 44 14M50 40C56 34 59 22 56 14", DETAIL, c.shade,
                  transform=f"rotate({a} 50 50)") for a in (0, 90, 180, 270)]
    heart = [circle(50, 50, 11, RIM_LIGHT, OUTLINE), circle(50, 50, 5, c.shade, DETAIL)]
    return [disc, *buds, *petals, *veins, *heart]


# English name, drawing function; in day-sign order (1 = Crocodile .. 20 = Sun),
# as resources/signs.tsv lists them. Each sign's drawing is the function of
# its English name in lower case.
MOTIFS = [(sign.name, globals()[sign.name.lower()]) for sign in day_signs()]
