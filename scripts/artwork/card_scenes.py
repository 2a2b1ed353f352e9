# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The twenty tarot card pictures, one drawing function per glyph.

Each function takes the glyph's direction colours and returns SVG elements
drawn in a SCENE_WIDTH x SCENE_HEIGHT box; the card puts that box behind its
window.  A picture may run a few units past its box: the card frame covers
the overrun.  The top left corner is kept quiet, as the card's day-sign
medallion sits there.
"""

import math

from palette import INK, INK_SOFT, STONE, STONE_SHADE, RIM_LIGHT, JADE
from shades import (FUR, FUR_DARK, FUR_LIGHT, TAWNY, AMBER, SOIL, SOIL_LIGHT,
                    JADE_LIGHT, JADE_DARK, PINK, SKY, SKY_PALE, DUSK, NIGHT_SKY,
                    NIGHT_HILL, SEA, FOAM, SAND, SKIN, SKIN_DARK, HAIR, FLINT,
                    FLINT_DARK, FLINT_LIGHT, VIOLET, SLATE, LIMESTONE, LIMESTONE_DARK,
                    CAVE, CENOTE, CENOTE_LIGHT, HIDE, HIDE_DARK, HIDE_PINK, SUN_GLOW)
from svgkit import (OUTLINE, DETAIL, tag, shape, line, circle, ellipse, tube,
                    poly_d, star_points, spiral_points, num)
from drawkit import (spine, band, taper, capsule_d, circle_d, solid, spikes,
                     wave_d, gust_points, normals, dome_points, scallops_d)

SCENE_WIDTH, SCENE_HEIGHT = 110, 106


def backdrop(fill):
    return tag("rect", x=-6, y=-6, width=SCENE_WIDTH + 12, height=SCENE_HEIGHT + 12,
               fill=fill)


def ground(y, fill, edge=INK, width=OUTLINE):
    return shape(f"M-6 {num(y)}H{SCENE_WIDTH + 6}V{SCENE_HEIGHT + 6}H-6Z", fill,
                 width, edge)


def twinkle(x, y, r, fill=RIM_LIGHT, width=0):
    return shape(poly_d(star_points(x, y, r, r * 0.32, 4)), fill, width)


def sky_dots(points, r=1.1, fill=RIM_LIGHT):
    return [circle(x, y, r, fill, 0) for x, y in points]


# ----------------------------------------------------------------- dragon

def water_lily(x, y, size):
    """A lily pad floating at (x, y) with an open flower on it."""
    pad = [shape(f"M{num(x)} {num(y)}L{num(x + size * 0.9)} {num(y - size * 0.2)}"
                 f"A{num(size)} {num(size * 0.34)} 0 1 1 {num(x + size * 0.9)} "
                 f"{num(y + size * 0.2)}Z", JADE, DETAIL)]
    petals = [shape(f"M{num(x)} {num(y)}C{num(x + dx * 0.3 - 4)} {num(y - 3)} "
                    f"{num(x + dx - 3.4)} {num(y - size * 0.5)} {num(x + dx)} "
                    f"{num(y - size)}C{num(x + dx + 3.4)} {num(y - size * 0.5)} "
                    f"{num(x + dx * 0.3 + 4)} {num(y - 3)} {num(x)} {num(y)}Z",
                    fill, 1.2)
              for dx, fill in ((-size * 0.6, PINK), (size * 0.6, PINK),
                               (-size * 0.25, RIM_LIGHT), (size * 0.25, RIM_LIGHT),
                               (0, RIM_LIGHT))]
    return pad + petals + [circle(x, y - 2, 1.6, AMBER, 0)]


def lily_flower(x, y, size):
    """The open flower of water_lily alone, standing on (x, y)."""
    return water_lily(x, y, size)[1:]


def dragon(c):
    # The first glyph is the earth crocodile of the primal sea: at dawn it
    # floats in the water with the land on its back, young plants growing
    # from its scales, and a water lily springs from its brow as lilies
    # open all around it.
    sun = circle(96, 30, 11, "#f6d36b", DETAIL)
    sea = [shape("M-6 58H116V112H-6Z", SEA, DETAIL),
           line(wave_d(-6, 116, 66, 1.2, 12) + wave_d(0, 116, 78, 1.4, 14), 1.3,
                "#5fa3c2")]
    segments = [((-4, 72), (4, 66), (14, 62), (26, 61)),
                ((26, 61), (44, 60), (64, 58), (84, 56))]
    back = spine(segments, 12)
    widths = taper(len(back), 3, 26, 0.55)
    scutes = spikes(back, widths, 3, 4.5, start=3, stop=len(back) - 2, side=1)
    body = [*[shape(d, c.shade, 1.2) for d in scutes],
            *solid(band(back, widths), c.main),
            tag("path", d=band(back, widths, 0.08, 0.3), fill=c.shade)]
    sprouts = [shape(f"M{x} {y}C{x - 8} {y - 4} {x - 12} {y - 10} {x - 12} {y - 16}"
                     f"C{x - 4} {y - 14} {x} {y - 8} {x} {y}Z"
                     f"M{x} {y}C{x + 6} {y - 6} {x + 12} {y - 8} {x + 16} {y - 8}"
                     f"C{x + 12} {y - 2} {x + 6} {y} {x} {y}Z", JADE, 1.2)
               for x, y in ((40, 52), (60, 50))]
    stems = line("M40 52V44M60 50V42", 1.6, JADE_DARK)
    head = [
        shape("M78 56L108 58C112 59 112 64 108 65L80 66Z", c.main),          # lower jaw
        shape("M82 56l2 3.6l2-3.4l3 0.2l2 3.4l2-3.2l3 0.2l2 3.2l2-3l3 0.2l2 3l2-2.8Z",
              RIM_LIGHT, 1),
        shape("M74 54C74 46 80 42 86 44L108 50C114 51 115 57 110 57.4L78 57Z", c.main),
        shape("M84 57.2l2-3.4l2 3.4l3 0.2l2-3.2l2 3.2l3 0.2l2-3l2 3l3 0.2l2-3l2 3Z",
              RIM_LIGHT, 1),
        ellipse(84, 43, 5, 4.4, c.main, OUTLINE),                          # eye bump
        ellipse(84.6, 43, 3.2, 2.6, AMBER, 1.2),
        ellipse(85, 43, 1, 2.2, INK, 0),
        ellipse(109.6, 51.8, 1.4, 1, INK, 0),
        line("M90 48C94 48 98 49 100 51", 1.3, c.shade),
    ]
    # The lily of its brow: a stem rising from behind the eye to a flower
    # and a rolled pad.
    brow_lily = [*tube("M80 42C77 34 80 28 88 25", JADE, 2.6, 1.3),
                 shape("M79 34C72 33 67 28 68 22C74 22 79 27 79 34Z", JADE, 1.2),
                 *lily_flower(89, 25, 10)]
    front = [shape(wave_d(-6, 116, 72, 2.2, 14) + "V112H-6Z", SEA, DETAIL),
             line(wave_d(1, 116, 82, 1.4, 14) + wave_d(-5, 116, 96, 1.4, 16), 1.4,
                  "#5fa3c2")]
    ripples = line("M4 76C10 78 16 78 22 76M34 76C42 78 50 78 58 76"
                   "M80 76C86 78 92 78 98 76", 1.4, FOAM)
    crocodile = tag("g", [*body, stems, *sprouts, *brow_lily, *head],
                    transform="translate(42,62) scale(1.22) translate(-56,-60)")
    return [backdrop(DUSK), sun, *sea, crocodile, *front, ripples,
            *water_lily(20, 92, 11), *water_lily(64, 101, 12), *water_lily(100, 88, 9)]


# ------------------------------------------------------------------- wind

def wind_scene(c):
    # Ik': wind blowing through the T-shaped window of a white stone house,
    # the sky and the hills showing through it, leaves carried off by the
    # gusts and a tree bowing to them.
    hill = shape("M-6 94C20 86 50 86 70 90C86 94 100 90 116 88V112H-6Z", JADE)
    tree = [shape("M2 96C4 84 6 74 12 64L16 66C11 76 9 86 8 96Z", FUR),
            shape("M10 68C2 66 0 56 6 52C8 44 18 44 22 50C30 50 32 60 26 64"
                  "C24 70 16 72 10 68Z", JADE_DARK)]
    wall = shape("M24 28H92V98H24Z", c.main)
    cornice = [shape("M20 20H96V32H20Z", c.shade),
               line("M20 26H96", DETAIL, c.main)]
    courses = line("M24 50H32M84 50H92M24 72H32M84 72H92M24 88H46M70 88H92"
                   "M28 32V42M88 32V42M30 50V72M86 50V72M36 88V98M80 88V98",
                   DETAIL, c.shade)
    window = "M32 40H84V58H67V90H49V58H32Z"
    view = [shape(window, SKY),
            shape("M32 74C46 66 70 66 84 74V90H32Z", JADE, 0),
            shape("M52 52C50 47 56 44 60 47C62 42 70 42 72 47C77 46 80 50 77 53Z",
                  RIM_LIGHT, 1.2),
            shape("M32 40H84L80 44H36V58H32Z", c.shade, 0),
            shape("M49 58H53V90H49Z", c.shade, 0),
            shape(window, "none")]
    streaks = line("M38 52H48M56 64H64M56 82H64", 2.2, RIM_LIGHT)
    gusts = []
    for x0, y0, x1, curl, sense, width in ((84, 48, 100, 8, 1, 4.2),
                                           (67, 70, 100, 8, -1, 4.2)):
        gusts += tube(poly_d(gust_points(x0, y0, x1, curl, sense), False),
                      RIM_LIGHT, width, 1.4)
    leaves = [shape("M0 -4C4 -4 6 0 0 4C-6 0 -4 -4 0 -4Z", JADE_LIGHT, 1.2,
                    transform=f"translate({x},{y}) rotate({a})")
              for x, y, a in ((104, 24, 40), (108, 60, -20), (102, 96, 70), (40, 10, 20))]
    return [backdrop(SKY), hill, *tree, wall, *cornice, courses, *view, streaks, *gusts,
            *leaves]


# ------------------------------------------------------------------ night

def night_scene(c):
    stars = [twinkle(x, y, r) for x, y, r in
             ((50, 14, 4.5), (86, 10, 3.5), (100, 34, 4), (66, 30, 2.6),
              (38, 40, 3), (80, 50, 2.8))]
    dots = sky_dots(((40, 8), (60, 8), (74, 18), (94, 22), (106, 12), (56, 44),
                     (28, 50), (46, 28), (90, 42), (72, 40), (104, 52), (20, 36)))
    hills = shape("M-6 74C10 64 24 62 36 68C50 60 70 58 84 66C96 62 108 64 116 68"
                  "V112H-6Z", NIGHT_HILL, OUTLINE, NIGHT_HILL)
    pyramid = shape("M18 90H92L86 80H80L76 70H70L66 60H44L40 70H34L30 80H24Z",
                    c.shade, DETAIL)
    temple = shape("M44 60V46H66V60Z", c.shade, DETAIL)
    roof = shape("M42 46H68L64 40H46Z", c.shade, DETAIL)
    door = shape("M51 60V51C51 48 59 48 59 60Z", AMBER, 0)
    steps = [shape("M49 90L51 60H59L61 90Z", "#27577a", DETAIL),
             line("M50 80H60M50.4 70H59.6", 1.2, c.shade)]
    field = shape("M-6 84C20 80 90 80 116 84V112H-6Z", "#0c1824", 0)
    fireflies = sky_dots(((22, 92), (34, 96), (88, 94), (98, 88)), 1.3, AMBER)
    return [backdrop(NIGHT_SKY), *dots, *stars, hills, pyramid, temple, roof, *steps, door,
            field, *fireflies]


# ------------------------------------------------------------------- seed

def seed_scene(c):
    sun = [circle(92, 12, 11, AMBER, DETAIL)]
    soil = shape("M-6 38C20 34 40 36 56 38C74 40 94 36 116 38V112H-6Z", SOIL)
    strata = line("M-6 64C20 58 40 66 60 62C80 58 96 62 116 60"
                  "M-6 90C24 86 40 92 64 88C84 85 100 90 116 88", DETAIL, SOIL_LIGHT)
    pebbles = [ellipse(x, y, rx, ry, SOIL_LIGHT, 1.2) for x, y, rx, ry in
               ((14, 52, 3.4, 2.4), (92, 54, 3, 2), (20, 98, 4, 2.6), (96, 96, 3.4, 2.2),
                (78, 78, 2.4, 1.8))]
    roots = line("M50 88C46 94 40 96 34 100M56 90C56 96 60 100 58 106"
                 "M62 86C68 90 74 90 80 96M46 84C40 84 34 80 28 82", 2.2, FUR_LIGHT)
    sprout = tube("M54 66C50 56 58 48 54 30", JADE, 4.5, DETAIL)[:1] + \
        tube("M54 62C50 56 58 48 54 30", JADE, 4.5, DETAIL)[1:]
    leaves = [shape("M54 32C46 20 34 16 20 20C28 32 42 36 54 32Z", JADE),
              shape("M55 28C62 16 74 10 88 12C84 24 70 32 55 28Z", JADE),
              line("M51 30C44 24 36 21 25 21M58 27C66 20 74 15 84 14", 1.2, JADE_DARK)]
    kernel = ellipse(54, 78, 23, 15, c.main, OUTLINE + 0.2, rotate=-10)
    germ = line("M44 88C48 91 54 91 58 88", DETAIL + 0.4, c.shade)
    shine = ellipse(42, 74, 5, 2.6, RIM_LIGHT, 0, rotate=-30)
    split = line("M50 64C52 67 56 67 58 64", DETAIL)
    return [backdrop(SKY), *sun, soil, strata, *pebbles, roots, *sprout, *leaves,
            kernel, germ, shine, split]


# ---------------------------------------------------------------- serpent

def broad_leaf(x, y, length, angle, fill=JADE, rib=JADE_DARK):
    """A broad forest leaf from its stalk at (x, y), `length` long, turned
    `angle` degrees from pointing right."""
    h = length * 0.36
    d = (f"M0 0C{num(length * 0.3)} {num(-h)} {num(length * 0.8)} {num(-h * 0.8)} "
         f"{num(length)} 0C{num(length * 0.8)} {num(h * 0.8)} {num(length * 0.3)} {num(h)} 0 0Z")
    at = f"translate({num(x)},{num(y)}) rotate({num(angle)})"
    return [shape(d, fill, DETAIL, transform=at),
            line(f"M0 0L{num(length * 0.86)} 0", 1.2, rib, transform=at)]


def serpent_scene(c):
    # A serpent of the lowland forest coiled among the roots of a ceiba,
    # head raised, under broad leaves and hanging lianas.
    segments = [((6, 98), (-2, 94), (0, 80), (24, 80)),
                ((24, 80), (56, 80), (96, 92), (92, 72)),
                ((92, 72), (88, 56), (56, 62), (54, 46)),
                ((54, 46), (53, 38), (56, 34), (60, 32))]
    body = spine(segments, 18)
    widths = taper(len(body), 1.5, 14, 0.45)
    ns = normals(body)
    diamonds = []
    for i in range(9, len(body) - 2, 4):
        (x, y), (nx, ny), w = body[i], ns[i], widths[i]
        tx, ty = -ny, nx
        half, side = w * 0.5, w * 0.26
        diamonds.append(poly_d([(x - tx * half, y - ty * half), (x + nx * side, y + ny * side),
                                (x + tx * half, y + ty * half), (x - nx * side, y - ny * side)]))
    head = shape("M54 34C50 24 58 12 72 12C84 12 96 18 98 26C99 32 92 36 82 38"
                 "C72 40 58 42 54 34Z", c.main)
    scales = shape("M62 18C68 14 78 14 84 18C78 20 68 20 62 18Z", c.shade, 0)
    tongue = line("M97 30H104l4-3.4m-4 3.4l4 3.4", 1.8, "#8e2a1e")
    far = [tag("rect", x=x, y=-6, width=w, height=90, fill="#6fae8a")
           for x, w in ((30, 5), (46, 3), (70, 6))]
    thicket = shape("M-6 70C0 60 10 58 16 64C20 54 32 54 36 62C42 56 52 56 56 64"
                    "C62 56 74 56 78 64C84 58 92 60 96 66V90H-6Z", JADE, 0)
    canopy = shape("M-6 -6H116V6C108 12 100 8 96 14C90 8 82 12 78 8C72 14 64 10 60 14"
                   "C54 8 46 12 42 8C36 14 28 10 24 12V-6Z", JADE_DARK)
    trunk = [shape("M94 -6H112V116H86C92 104 96 94 94 84C92 70 96 40 94 -6Z", FUR_DARK),
             line("M100 16V34M104 44V70M98 80V96", 1.4, FUR)]
    buttress = shape("M86 116C80 104 70 100 62 98C74 96 84 88 90 78Z", FUR_DARK)
    lianas = [*tube("M40 8C42 22 38 34 42 46", JADE_DARK, 2.2, 1.2),
              *tube("M80 10C78 18 82 24 80 30", JADE_DARK, 2.2, 1.2),
              *broad_leaf(42, 44, 10, 120, JADE_LIGHT), *broad_leaf(80, 29, 9, 60, JADE_LIGHT)]
    floor = [shape("M-6 86C20 80 60 82 116 88V112H-6Z", SOIL),
             *[ellipse(x, y, 4, 1.6, c.shade if k % 2 else SOIL_LIGHT, 1, rotate=a)
               for k, (x, y, a) in enumerate(((14, 102, 10), (40, 104, -20), (70, 102, 30),
                                              (84, 96, -10), (32, 94, 40), (56, 96, 0)))]]
    near = [*broad_leaf(-4, 86, 30, -50), *broad_leaf(-2, 88, 26, -20, JADE_DARK, JADE),
            *broad_leaf(116, 60, 30, 200), *broad_leaf(114, 64, 24, 160, JADE_DARK, JADE)]
    return [backdrop(JADE_LIGHT), *far, thicket, canopy, *lianas, *trunk, buttress,
            *floor, *near[:4],
            *solid(band(body, widths), c.main),
            tag("path", d=band(body, widths, -0.5, -0.22), fill=SAND),
            *[shape(d, c.shade, 1, SAND) for d in diamonds],
            tongue, head, scales,
            ellipse(76, 25, 4.2, 3.4, AMBER, DETAIL), ellipse(76.6, 25, 1.1, 2.8, INK, 0),
            line("M70 20.6C74 18.8 79 19 83 21", 2), ellipse(91, 24, 1.4, 1, INK, 0),
            line("M60 34C70 36 84 35 96 30", 1.4, c.shade), *near[4:]]


# ---------------------------------------------------------- world bridger

def bridger_scene(c):
    # A white causeway, a sacbe, runs over the forest to a corbel-vaulted
    # gateway; day lies on this side of it, night beyond the vault and over
    # the far half of the sky.
    night = tag("rect", x=55, y=-6, width=61, height=118, fill=NIGHT_SKY)
    sun = [circle(44, 12, 7, AMBER, DETAIL)]
    stars = [twinkle(x, y, r) for x, y, r in ((76, 8, 3.4), (102, 20, 3), (92, 4, 2.2),
                                              (66, 20, 2.2), (106, 6, 1.8))]
    forest_day = shape("M-6 58C-2 50 6 48 10 54C14 46 24 46 26 54C30 48 38 48 40 56"
                       "H55V112H-6Z", JADE_DARK)
    forest_night = shape("M55 56H70C72 48 80 46 84 54C88 46 98 46 100 54C104 48 112 50 116 56"
                         "V112H55Z", NIGHT_HILL)
    # The gateway: a block of white stone with a frieze, its vault stepping
    # in from the jambs to a narrow capstone.
    block = shape("M22 22H88V70H22Z", c.main, OUTLINE + 0.2)
    frieze = [shape("M20 16H90V27H20Z", c.shade, DETAIL),
              line("M20 21.5H90", 1.2, c.main)]
    lattice = line("M26 38l4-4l4 4l-4 4ZM76 38l4-4l4 4l-4 4ZM26 52l4-4l4 4l-4 4Z"
                   "M76 52l4-4l4 4l-4 4Z", 1.2, c.shade)
    vault_d = "M39 70V50H42L51 31H59L68 50H71V70Z"
    beyond = [shape(vault_d, NIGHT_SKY, 0), twinkle(55, 42, 2.6), twinkle(48, 54, 1.8),
              twinkle(63, 56, 1.6), shape("M39 70V62C46 58 52 60 56 62C60 58 66 58 71 62V70Z",
                                          NIGHT_HILL, 0),
              shape(vault_d, "none", OUTLINE)]
    courses = line("M42 50H36M45.8 42H38M49.6 34H40M68 50H74M64.2 42H72M60.4 34H70", 1.2,
                   c.shade)
    # The causeway, raised above the forest floor, from the gate to the
    # foreground.
    causeway = [shape("M40 70H70L110 112H0Z", c.shade),
                shape("M41 70H69L98 112H12Z", c.main),
                line("M48 80H62M44 92H66M40 104H70", 1.2, STONE_SHADE)]
    return [backdrop(SKY), night, *sun, *stars, forest_day, forest_night, *causeway,
            block, *frieze, lattice, *beyond, courses]


# ------------------------------------------------------------------- hand

def hand_scene(c):
    rays = []
    for k in range(12):
        a0, a1 = math.radians(k * 30 - 90), math.radians(k * 30 - 75)
        rays.append(shape(poly_d([(55, 52), (55 + 80 * math.cos(a0), 52 + 80 * math.sin(a0)),
                                  (55 + 80 * math.cos(a1), 52 + 80 * math.sin(a1))]),
                          "#c9e6ef", 0))
    fingers = [capsule_d(42, 54, 38, 20, 5.6), capsule_d(53, 52, 52, 12, 5.8),
               capsule_d(64, 53, 67, 17, 5.6), capsule_d(74, 58, 80, 31, 5)]
    thumb = capsule_d(40, 76, 22, 56, 6.2)
    palm = ("M35 52C42 48 68 46 80 54C82 66 80 80 74 88L72 100H40L39 88"
            "C33 80 32 64 35 52Z")
    creases = line("M47.4 49V36M58.4 49V34M69.6 52V40"
                   "M36 29.8C38 30.6 41 30.6 43 29.6M48 23.8C50 24.6 54 24.6 56 23.6"
                   "M61 27.2C63 28 67 28 69 26.8M73 38.4C75 39.2 78 39.6 80 38.6"
                   "M26 62C28 63 31 62 32 60", 1.5, SKIN_DARK)
    lines = line("M40 66C48 70 60 70 70 64M46 84C44 76 42 70 40 66", 1.5, SKIN_DARK)
    spiral = line(poly_d(spiral_points(57, 74, 1, 8, 720, 120, 40), False), 2.6, c.main)
    cuff = [shape("M38 92H74L76 112H36Z", c.main),
            shape("M38 96H74V100H38Z", RIM_LIGHT, 1.2)]
    sparkles = [twinkle(x, y, r, RIM_LIGHT, 1) for x, y, r in
                ((90, 18, 5), (98, 44, 3.6), (20, 40, 3.6), (88, 70, 3))]
    return [backdrop(SKY_PALE), *rays, *sparkles,
            *solid(fingers + [thumb, palm], SKIN), creases, lines, spiral, *cuff]


# ------------------------------------------------------------------- star

def star_scene(c):
    dots = sky_dots(((36, 8), (14, 50), (24, 70), (94, 12), (104, 40), (90, 72),
                     (40, 60), (76, 8), (8, 36)))
    small = [twinkle(x, y, r) for x, y, r in ((96, 26, 3.4), (22, 86, 2.6), (84, 86, 2.4),
                                              (12, 64, 2.2))]
    halo = circle(58, 46, 24, "#2b4d70", 0)
    back = shape(poly_d(star_points(58, 46, 24, 8, 4, -45)), AMBER, DETAIL + 0.2)
    front = shape(poly_d(star_points(58, 46, 40, 9, 4, -90)), c.main, OUTLINE + 0.2)
    ridges = line("M58 10V34M58 58V82M22 46H46M70 46H94", 1.3, c.shade)
    core = circle(58, 46, 7, RIM_LIGHT, OUTLINE)
    hills = shape("M-6 92C14 86 30 86 44 90C60 84 86 84 116 90V112H-6Z", NIGHT_HILL,
                  OUTLINE, NIGHT_HILL)
    return [backdrop(NIGHT_SKY), halo, *dots, *small, back, front, ridges, core, hills]


# ------------------------------------------------------------------- moon

def crescent_d(cx, cy, r, ox, oy, r2):
    """A crescent: the disc (cx, cy, r) less the disc (ox, oy, r2)."""
    d = math.hypot(ox - cx, oy - cy)
    a = (r * r - r2 * r2 + d * d) / (2 * d)
    h = math.sqrt(r * r - a * a)
    mx, my = cx + a * (ox - cx) / d, cy + a * (oy - cy) / d
    p1 = (mx + h * (oy - cy) / d, my - h * (ox - cx) / d)
    p2 = (mx - h * (oy - cy) / d, my + h * (ox - cx) / d)
    return (f"M{num(p1[0])} {num(p1[1])}A{num(r)} {num(r)} 0 1 0 {num(p2[0])} {num(p2[1])}"
            f"A{num(r2)} {num(r2)} 0 0 1 {num(p1[0])} {num(p1[1])}Z")


def moon_scene(c):
    stars = [twinkle(x, y, r) for x, y, r in ((94, 14, 3.4), (78, 34, 2.4), (100, 52, 2.6),
                                              (40, 10, 2.2))]
    dots = sky_dots(((60, 6), (86, 26), (104, 36), (12, 50), (30, 60), (70, 62)))
    moon = shape(crescent_d(52, 40, 28, 66, 30, 24), c.main, OUTLINE + 0.2)
    craters = [ellipse(x, y, rx, ry, c.shade, 0) for x, y, rx, ry in
               ((30, 46, 3, 3.6), (38, 58, 2.4, 2), (34, 30, 2, 2.4), (48, 64, 2.6, 1.8))]
    sea = shape("M-6 76H116V112H-6Z", "#173049", OUTLINE)
    reflection = line("M40 82H62M44 88H60M38 94H56M46 100H58M42 106H52", 2.6, c.main)
    ripples = line("M6 86H20M76 84H94M10 98H26M82 96H104M70 106H86", 1.6, "#3c6486")
    reeds = [line("M100 80V56M104 80V62M96 80V64", 2.2, JADE_DARK),
             ellipse(100, 54, 2.2, 5, SOIL_LIGHT, 1.2), ellipse(104, 60, 2, 4.4, SOIL_LIGHT, 1.2)]
    return [backdrop(NIGHT_SKY), *dots, *stars, moon, *craters, sea, reflection, ripples,
            *reeds]


# -------------------------------------------------------------------- dog

def dog_scene(c):
    # The hairless dog of the Maya, standing in the yard of a house of
    # white plaster and palm thatch: grey skin mottled pink, tall ears up,
    # a thin bare tail and a collar of white shell beads.
    house = [shape("M-8 40C6 30 22 26 34 40L38 46H-8Z", SAND),
             line("M-2 38L2 46M6 33L9 46M14 30L16 46M22 31L23 46M29 35L29 46", 1.2, SOIL_LIGHT),
             shape("M-8 46H34V84H-8Z", c.main),
             shape("M2 84V60C2 54 11 54 11 60V84Z", "#5a4130", DETAIL)]
    yard = [ground(84, SAND), line("M40 92C54 90 70 90 84 92M-4 100C10 98 26 98 38 100",
                                   1.3, "#c9a66a")]
    trees = [shape(scallops_d(dome_points(76, 84, 42, 30, 15), 0.72) + "Z", JADE, DETAIL)]
    maize = []
    for x in (104, 94):
        maize += [line(f"M{x} 86V52", 2.2, JADE_DARK),
                  shape(f"M{x} 64C{x - 8} 60 {x - 11} 56 {x - 13} 50"
                        f"C{x - 6} 52 {x - 2} 58 {x} 62Z", JADE_LIGHT, 1.2),
                  shape(f"M{x} 74C{x + 8} 70 {x + 11} 66 {x + 13} 60"
                        f"C{x + 6} 62 {x + 2} 68 {x} 72Z", JADE_LIGHT, 1.2)]
    # The dog, facing right: far legs first, in the shade of its own body.
    far = [shape(capsule_d(74, 64, 70, 90, 2.8), HIDE_DARK, DETAIL),
           shape(capsule_d(46, 62, 38, 76, 3.4), HIDE_DARK, DETAIL),
           shape(capsule_d(38, 76, 42, 90, 2.6), HIDE_DARK, DETAIL),
           shape("M86 23L93 5C98 11 97 19 93 25Z", HIDE_DARK, DETAIL)]
    tail = spine([((41, 51), (32, 53), (26, 60), (24, 68)),
                  ((24, 68), (23, 72), (22, 74), (19.6, 72))], 10)
    torso = ("M40 52C42 44 54 44 62 45C68 45 74 42 78 46C84 52 84 62 78 67"
             "C72 70 66 66 60 62C54 60 50 62 46 62C40 62 38 58 40 52Z")
    neck = "M66 47C72 42 76 34 80 28L90 32C88 38 86 46 82 54Z"
    head = ("M78 28C78 22 84 19 90 20C94 21 97 24 99 27L106 31C108 34 106 37 102 37"
            "L92 37C86 37 78 34 78 28Z")
    ear = "M80 24L76 4C84 6 90 14 90 22Z"
    legs = [capsule_d(78, 62, 80, 90, 3), capsule_d(52, 56, 44, 74, 4.4),
            capsule_d(44, 74, 48, 90, 3)]
    figure = solid([band(tail, taper(len(tail), 4.6, 1.8)), torso, neck, head, ear, *legs], HIDE)
    feet = [ellipse(x, 91, 3.6, 1.8, HIDE_DARK, DETAIL) for x in (49, 81)]
    mottling = [shape(d, HIDE_PINK, 0) for d in
                ("M54 48C60 46 64 50 62 54C58 56 54 54 54 48Z",
                 "M66 56C70 55 72 58 70 60C67 61 65 59 66 56Z",
                 "M44 54C47 53 49 55 48 58C45 59 43 57 44 54Z",
                 "M84 38C86 37 88 39 87 41C85 42 83 41 84 38Z")]
    inner_ear = shape("M81 20L79 8C84 10 87 16 87 20Z", HIDE_PINK, 0)
    face = [shape("M88 25C90 23 94 23 95 25C93 27 90 27 88 25Z", AMBER, 1.1),
            circle(92, 25, 1, INK, 0),
            line("M84 22C86 21 88 21 90 22", 1.1, HIDE_DARK),
            shape("M103 30C106 30 108 32 107 34C105 34 103 33 102 31Z", INK, 1),
            line("M106 36C102 37 97 37 93 36", 1.2)]
    collar = [*tube("M74 44C78 47 82 48 86 47", c.main, 3.4, 1.2),
              *[circle(x, y, 1.5, RIM_LIGHT, 0.9) for x, y in ((75.6, 46), (79.4, 47.6),
                                                               (83.4, 47.8))]]
    return [backdrop(SKY), *trees, *maize, *yard, *house, *far, *figure, *feet,
            *mottling, inner_ear, *face, *collar]


# ----------------------------------------------------------------- monkey

def monkey_scene(c):
    leaves = [shape("M116 -6C100 4 96 20 104 34C110 24 116 18 116 10Z", JADE),
              shape("M-6 112C-2 96 10 88 24 88C20 100 10 108 -6 112Z", JADE),
              shape("M116 88C104 84 92 90 88 104L116 108Z", JADE_DARK)]
    vine = tube("M82 -6C80 10 84 20 80 34", JADE_DARK, 2.4, 1.2)
    branch = tube("M-6 78C30 72 70 70 116 66", FUR_DARK, 7, OUTLINE)
    tail = tube("M44 78C36 88 38 100 48 100C56 100 56 90 50 90", FUR, 4.4, OUTLINE)
    legs = [capsule_d(50, 74, 44, 92, 4.4), capsule_d(62, 74, 66, 92, 4.4)]
    body = "M44 58C44 48 52 44 56 44C62 44 70 48 70 60C70 70 64 78 56 78C48 78 44 70 44 58Z"
    arm_up = capsule_d(66, 52, 80, 32, 4.2)
    arm_down = capsule_d(46, 54, 38, 68, 4.2)
    head = circle_d(58, 34, 13)
    ears = [circle_d(44, 34, 5.6), circle_d(72, 34, 5.6)]
    figure = solid(legs + [body, arm_up, arm_down, head, *ears], FUR)
    mask = shape("M58 30C61 25 68 25 69 31C70 36 67 40 65 42C66 46 62 47 58 47"
                 "C54 47 50 46 51 42C49 40 46 36 47 31C48 25 55 25 58 30Z", FUR_LIGHT, DETAIL)
    face = [circle(53.6, 33.6, 2.2, INK, 0), circle(62.4, 33.6, 2.2, INK, 0),
            circle(53, 33, 0.7, RIM_LIGHT, 0), circle(61.8, 33, 0.7, RIM_LIGHT, 0),
            circle(56.6, 39, 0.8, INK, 0), circle(59.4, 39, 0.8, INK, 0),
            line("M54 42.6C56.6 44.6 59.4 44.6 62 42.6", 1.4)]
    ears_in = [circle(44, 34, 2.8, FUR_LIGHT, 0), circle(72, 34, 2.8, FUR_LIGHT, 0)]
    belly = shape("M52 60C52 54 62 54 62 60C62 68 52 68 52 60Z", FUR_LIGHT, 0)
    fruit = [shape("M34 66C30 66 28 72 32 76C36 80 42 76 40 70C39 67 37 66 34 66Z",
                   AMBER, DETAIL), line("M35 66l2-4", 1.4)]
    return [backdrop(SKY), *leaves[:1], *vine, *branch, *tail, *figure, belly,
            *ears_in, mask, *face, *fruit, *leaves[1:]]


# ------------------------------------------------------------------ human

def human_scene(c):
    sun = [circle(60, 26, 24, "#f6e3a2", 0), circle(60, 26, 17, "#f2d27a", 0)]
    field = [ground(90, "#c9b36a"),
             line("M-6 96H116M-6 102H116", DETAIL, "#a89150")]
    maize = []
    for x in (8, 100):
        maize += [line(f"M{x} 92V58", 2.4, JADE_DARK),
                  shape(f"M{x} 70C{x - 10} 64 {x - 14} 60 {x - 16} 54"
                        f"C{x - 8} 56 {x - 2} 62 {x} 68Z", JADE, 1.2),
                  shape(f"M{x} 78C{x + 10} 72 {x + 14} 68 {x + 16} 62"
                        f"C{x + 8} 64 {x + 2} 70 {x} 76Z", JADE, 1.2),
                  ellipse(x + 3, 64, 2.6, 6, c.main, 1.2)]
    arms = [capsule_d(50, 44, 38, 22, 3.8), capsule_d(70, 44, 82, 22, 3.8)]
    hands = [circle_d(37, 19, 4.4), circle_d(83, 19, 4.4)]
    legs = [capsule_d(55, 74, 53, 96, 4.4), capsule_d(65, 74, 67, 96, 4.4)]
    head = circle_d(60, 28, 9)
    neck = capsule_d(60, 34, 60, 40, 3.4)
    skin = solid(arms + hands + legs + [neck, head], SKIN)
    tunic = shape("M48 40H72L76 78H44Z", c.main)
    pattern = [shape("M45 70H75L76 78H44Z", RIM_LIGHT, 1.2),
               line("M47 74l3-3l3 3l3-3l3 3l3-3l3 3l3-3l3 3l3-3", 1.2, c.shade),
               line("M54 40C56 46 64 46 66 40", 1.6)]
    hair = shape("M51 26C51 17 69 17 69 26C66 22 54 22 51 26Z", HAIR, DETAIL)
    band = line("M51.4 24.6C56 21.4 64 21.4 68.6 24.6", 2.2, JADE)
    face = [circle(56.6, 29, 1.3, INK, 0), circle(63.4, 29, 1.3, INK, 0),
            line("M57 32.6C59 34 61 34 63 32.6", 1.3)]
    feet = [ellipse(52, 97, 5, 2.4, SOIL, DETAIL), ellipse(68, 97, 5, 2.4, SOIL, DETAIL)]
    return [backdrop(SKY_PALE), *sun, *field, *maize, *skin, tunic, *pattern, hair, band,
            *face, *feet]


# -------------------------------------------------------------- skywalker

def cloud_d(x, y, w):
    """A flat-bottomed cloud of width w standing on (x, y)."""
    h = w * 0.32
    return (f"M{num(x)} {num(y)}C{num(x - h * 0.6)} {num(y)} {num(x - h * 0.6)} {num(y - h * 0.8)}"
            f" {num(x + w * 0.14)} {num(y - h * 0.7)}"
            f"C{num(x + w * 0.16)} {num(y - h * 1.5)} {num(x + w * 0.5)} {num(y - h * 1.6)}"
            f" {num(x + w * 0.56)} {num(y - h * 0.9)}"
            f"C{num(x + w * 0.7)} {num(y - h * 1.4)} {num(x + w + h * 0.4)} {num(y - h * 0.9)}"
            f" {num(x + w)} {num(y)}Z")


def skywalker_scene(c):
    # A traveller between earth and sky: a man in a Maya headdress of
    # quetzal plumes strides over the clouds with a reed staff, the land and
    # a temple far below, the first stars above.
    bands = [tag("rect", x=-6, y=-6, width=122, height=30, fill="#e48f74"),
             tag("rect", x=-6, y=24, width=122, height=22, fill="#eca884")]
    stars = [twinkle(x, y, r) for x, y, r in ((98, 10, 3.4), (84, 4, 2.4), (104, 34, 2.6),
                                              (20, 44, 2))]
    land = [shape("M-6 100C10 95 24 95 36 98C52 94 76 94 90 98C100 95 108 95 116 97V112H-6Z",
                  JADE),
            shape("M12 98H30L27.4 94.6H25.6L24 91H18L16.4 94.6H14.6Z", STONE_SHADE, 1.2)]
    clouds = [shape(cloud_d(x, y, w), RIM_LIGHT, DETAIL + 0.4) for x, y, w in
              ((-6, 80, 26), (30, 93, 36), (62, 86, 32), (92, 100, 24), (86, 62, 22))]
    legs = [capsule_d(54, 62, 46, 84, 4.4), capsule_d(61, 62, 70, 76, 4.4)]
    arms = [capsule_d(63, 42, 72, 52, 3.6), capsule_d(52, 42, 46, 58, 3.6)]
    head = circle_d(58, 30, 8)
    neck = capsule_d(58, 36, 58, 41, 3)
    chest = "M50 42C54 38 62 38 66 42L66 58H50Z"
    skin = solid(legs + arms + [neck, head, chest], SKIN)
    kilt = [shape("M49 55H67L70 67H46Z", c.main),
            line("M49.4 57H66.6", 2.6, RIM_LIGHT),
            shape("M55 58H61L60 74H56Z", c.main, 1.4)]
    collar = [shape("M50 41C54 46 62 46 66 41L66 44C62 50 54 50 50 44Z", JADE, 1.2),
              circle(58, 49, 2.4, JADE_LIGHT, 1.2)]
    staff = [*tube("M76 16L70 96", JADE_LIGHT, 2.4, 1.3),
             line("M75.2 30h-2.6M73.8 48h-2.6M72.4 66h-2.6M71 84h-2.6", 1.2, JADE_DARK),
             ellipse(76.4, 12, 2.6, 5, SOIL_LIGHT, 1.2)]
    # The headdress: a red cap with a white band and a jade jewel, a fan of
    # short yellow feathers and long quetzal plumes sweeping back.
    plumes = []
    for k, (tx, ty) in enumerate(((26, 8), (32, -6), (44, -14), (58, -16), (72, -10))):
        bx = 54 + k * 2
        quill = spine([((bx, 14), (bx, -2), (tx + 14, ty - 6), (tx, ty))], 12)
        plumes += [shape(band(quill, taper(len(quill), 4.6, 1.2)), JADE if k % 2 else JADE_DARK,
                         DETAIL),
                   line(poly_d(quill[2:-2], False), 1, JADE_LIGHT)]
    fan = shape("M48 18C44 12 48 6 52 10C52 4 58 2 60 8C62 2 70 4 68 10C72 8 74 14 70 18Z",
                AMBER, 1.2)
    cap = [shape("M47 27C46 20 48 12 58 12C68 12 70 20 69 27Z", c.main),
           line("M47.2 23H68.8", 2.6, RIM_LIGHT),
           shape("M52 12C54 6 62 6 64 12Z", c.shade, 1.2),
           circle(58, 17.4, 3, JADE_LIGHT, 1.2)]
    hair = shape("M50 28C49 34 50 38 52 40L54 32Z", HAIR, 1.2)
    flare = [circle(53.4, 32, 2.6, JADE, 1.2), circle(53.4, 32, 0.9, INK, 0)]
    face = [circle(62, 30, 1.3, INK, 0), line("M61.4 34.4C62.8 35 64 34.8 64.8 34", 1.2)]
    feet = [ellipse(44, 85.4, 5.4, 2.4, SOIL, DETAIL),
            ellipse(73, 77.4, 5.4, 2.4, SOIL, DETAIL)]
    figure = [*plumes, *staff[:2], *skin, *collar, *kilt, fan, *cap, hair, *flare, *face,
              *staff[2:], *feet]
    return [backdrop(DUSK), *bands, *stars, *land, *clouds,
            tag("g", figure, transform="translate(58,90) scale(0.86) translate(-58,-86)")]


# ----------------------------------------------------------------- wizard

def wizard_scene(c):
    # A day keeper at night: seated in white before the red seeds of the
    # count laid out on a jaguar skin, copal burning beside, and a jaguar's
    # eyes in the dark behind.
    stars = [twinkle(x, y, r, "#f6d36b") for x, y, r in ((92, 10, 3.4), (66, 6, 2.4),
                                                          (104, 30, 2.6), (40, 6, 2))]
    dots = sky_dots(((78, 16), (104, 8), (28, 40), (54, 14), (8, 56)))
    forest = shape("M-6 70C0 60 8 58 14 64C18 54 28 54 30 62C34 56 40 58 42 64H72"
                   "C76 54 88 50 94 58C100 50 112 52 116 60V112H-6Z", "#2e2550", 0)
    eyes = [ellipse(x, 70, 2, 1.2, AMBER, 0) for x in (4, 11)]
    floor = shape("M-6 84C20 80 90 80 116 84V112H-6Z", "#3a2f22")
    hair = shape("M42 38C40 44 40 52 42 56H58C60 52 60 44 58 38Z", HAIR, DETAIL)
    knees = shape("M24 90C24 80 36 76 50 76C64 76 76 80 76 90C66 94 34 94 24 90Z", c.main)
    arms = [capsule_d(42, 52, 34, 72, 3.8), capsule_d(58, 52, 70, 68, 3.8)]
    hands = [circle_d(33, 74, 3.8), circle_d(72, 70, 3.8)]
    neck = capsule_d(50, 42, 50, 50, 3)
    head = circle_d(50, 36, 8.4)
    shirt = shape("M38 78L40 52C44 47 56 47 60 52L62 78Z", c.main)
    sleeves = solid([capsule_d(41, 51, 36.6, 59, 4), capsule_d(59, 51, 63.4, 58.4, 4)], c.main)
    weave = [shape("M39.6 57H60.4L60.8 63H39.2Z", "#c43d2b", 1.2),
             line("M40 60l2.5-2.5l2.5 2.5l2.5-2.5l2.5 2.5l2.5-2.5l2.5 2.5l2.5-2.5"
                  "l2.5 2.5l2.5-2.5", 1.1, AMBER),
             line("M47 49.6L50 54L53 49.6", 1.2, STONE_SHADE)]
    sash = shape("M38.6 74H61.4L61.8 79H38.2Z", "#c43d2b", 1.2)
    cloth = shape("M41 33C41 24 59 24 59 33C56 30 44 30 41 33Z", "#c43d2b", DETAIL)
    knot = shape("M58 30C62 30 64 34 62 38C61 35 59 33 57 33Z", "#c43d2b", 1.2)
    face = [line("M45.6 37C46.6 38 48 38 49 37M51 37C52 38 53.4 38 54.4 37", 1.3),
            line("M48 41.6C49.4 42.4 50.6 42.4 52 41.6", 1.2)]
    skin = [*solid(arms + hands + [neck, head], SKIN)]
    pelt = shape("M18 104L26 92H74L84 104Z", TAWNY, DETAIL)
    spots = [circle(x, y, 1.1, INK, 0) for x, y in
             ((24, 101), (32, 95), (70, 95), (78, 101), (74, 99))]
    seeds = [ellipse(34 + 5.4 * col + 1.4 * row, 95 + 3.2 * row, 1.6, 1.1, "#b3261e", 0.8)
             for row in range(3) for col in range(7 - row)]
    bowl = [shape("M86 84H104C104 92 100 96 95 96C90 96 86 92 86 84Z", SOIL_LIGHT),
            line("M88 88H102", 1.2, SOIL)]
    flame = [shape("M95 84C90 80 92 74 95 70C96 74 100 76 99 80C98 82 97 84 95 84Z",
                   AMBER, 1.4)]
    smoke = line("M95 68C90 60 100 56 96 48C92 40 102 36 98 26C96 20 100 16 104 12",
                 2.2, "#c9c0dc")
    return [backdrop(VIOLET), *dots, *stars, forest, *eyes, smoke, floor, hair, knees,
            shirt, *skin, *weave, *sleeves, sash, cloth, knot, *face, pelt, *spots,
            *seeds, *bowl, *flame]


# ------------------------------------------------------------------ eagle

def eagle_scene(c):
    # A harpy eagle, the great eagle of the rainforest, perched on a branch
    # above the canopy, its split crest raised; the roof comb of a temple
    # rises from the trees behind.
    temple = [shape("M78 72V58H82V50H86V44H98V50H102V58H106V72Z", STONE_SHADE, DETAIL),
              shape("M88 44V32H96V44Z", STONE_SHADE, DETAIL),
              line("M90 36H94M90 40H94", 1.2, STONE), shape("M90 58V52H94V58Z", INK, 0)]
    canopy = [shape("M-6 70C0 62 10 62 14 68C18 60 30 60 34 66C40 60 50 62 52 68"
                    "C58 62 68 62 72 68C78 62 90 64 92 70C98 64 108 64 116 70V112H-6Z",
                    JADE),
              shape("M-6 92C4 84 16 84 22 90C28 82 42 84 46 90C54 84 66 84 70 90"
                    "C78 84 92 84 96 90C102 84 112 86 116 90V112H-6Z", JADE_DARK)]
    branch = [*tube("M-6 86C20 82 50 84 70 80C86 77 100 72 116 70", FUR_DARK, 7),
              *broad_leaf(100, 72, 14, -60), *broad_leaf(8, 84, 12, 200)]
    tail = [shape("M48 82L45 102H65L62 82Z", SLATE),
            line("M46 90H64M45.6 96H64.4", 1.6, FLINT_LIGHT)]
    wings = [shape("M40 42C30 54 30 74 42 88H50L48 46Z", FLINT_DARK),
             shape("M70 42C80 54 80 74 68 88H60L62 46Z", FLINT_DARK),
             line("M37 58C40 60 43 60 45 58M36 68C39 70 43 70 46 68M38 78C41 80 44 80 47 78"
                  "M73 58C70 60 67 60 65 58M74 68C71 70 67 70 64 68M72 78C69 80 66 80 63 78",
                  1.3, FLINT)]
    belly = shape("M41 48C41 42 69 42 69 48C71 62 67 78 55 84C43 78 39 62 41 48Z", RIM_LIGHT)
    band_ = shape("M41 48C44 40 66 40 69 48L69.4 56C62 61 48 61 40.6 56Z", SLATE)
    thighs = [ellipse(48.6, 76, 5.4, 6.6, RIM_LIGHT, DETAIL),
              ellipse(61.4, 76, 5.4, 6.6, RIM_LIGHT, DETAIL),
              line("M44 73H53M44 77H53.4M45 81H52M57 73H66M56.6 77H66M58 81H65", 1.2, INK_SOFT)]
    legs = [*tube("M49 80V86", AMBER, 6, 1.4), *tube("M61 80V86", AMBER, 6, 1.4)]
    for x0 in (49, 61):
        for dx in (-4.4, 0, 4.4):
            legs += [*tube(f"M{num(x0)} 85L{num(x0 + dx * 1.2)} 89.6", AMBER, 2.8, 1.2),
                     line(f"M{num(x0 + dx * 1.2)} 90.4c0 1.6 -0.6 2.6 -1.8 3.2", 1.8, INK)]
    crest = []
    for k, (tx, ty) in enumerate(((28, 16), (32, 6), (38, -2), (48, -6), (58, -4))):
        bx, by = 50 + k * 2.4, 24 - k * 0.8
        quill = spine([((bx, by), (bx - 4, by - 8), (tx + 6, ty + 2), (tx, ty))], 10)
        crest.append(shape(band(quill, taper(len(quill), 8, 2.4)),
                           SLATE if k % 2 else FLINT_DARK, DETAIL))
    head = shape("M44 42C40 34 42 24 50 20C56 17 64 18 68 22L72 36C68 40 62 42 56 44Z",
                 FLINT_LIGHT)
    ruff = line("M46 38C44 32 46 26 50 23", 1.3, FLINT)
    beak = shape("M66 22C72 20 79 23 81 29C83 34 81 39 78 41C77 38 75 36 72 36H68"
                 "C69 31 69 26 66 22Z", SLATE)
    eye = [circle(60, 27.6, 2.6, FUR, 1.2), circle(60.4, 27.6, 1.3, INK, 0),
           shape("M54 24.6C57 22 63 22 67 24C64 25 60 25 54 26.6Z", SLATE, 0)]
    return [backdrop(SKY), *temple, *canopy, *tail, *wings, belly, band_, *thighs,
            *crest, head, ruff, beak, *eye, *branch, *legs]


# ---------------------------------------------------------------- warrior

def warrior_scene(c):
    ground_ = ground(96, SAND)
    plumes = [shape(f"M55 22C{x - 4} {y + 6} {x - 2} {y - 4} {x} {y}C{x + 4} {y + 4} "
                    f"{x + 2} {y + 10} 58 22Z", colour, DETAIL)
              for x, y, colour in ((36, 4, JADE), (46, -2, c.shade), (62, -4, JADE),
                                   (74, 2, c.shade), (82, 12, JADE))]
    spear = [line("M88 104V16", 3.6, INK), line("M88 104V16", 2, FUR)]
    tip = shape("M88 0L93 10L88 20L83 10Z", FLINT, DETAIL)
    legs = [capsule_d(50, 74, 48, 96, 4.4), capsule_d(62, 74, 64, 96, 4.4)]
    arm_r = capsule_d(66, 42, 86, 56, 4)
    head = circle_d(56, 28, 9)
    skin = solid(legs + [arm_r, head], SKIN)
    hand = circle(87, 56, 4.4, SKIN, DETAIL)
    torso = shape("M44 38H68L70 78H42Z", c.main)
    quilt = line("M44 46H69M43 54H69.4M43 62H69.8M50 38V78M62 38V78", 1.2, c.shade)
    helmet = shape("M46 26C46 16 66 16 66 26H46Z", TAWNY, DETAIL)
    face = [circle(52.4, 29, 1.3, INK, 0), circle(59.6, 29, 1.3, INK, 0),
            line("M50 26.4L54 27.4M62 26.4L58 27.4", 1.4),
            line("M53 33.4H59", 1.4)]
    paint = line("M49 31H52M60 31H63", 1.4, c.shade)
    shield = [circle(40, 62, 19, c.main, OUTLINE + 0.2), circle(40, 62, 13, c.shade, DETAIL),
              shape(poly_d(star_points(40, 62, 12, 5, 8, -90)), c.main, 1.2),
              circle(40, 62, 4, RIM_LIGHT, DETAIL),
              *[circle(40 + 16 * math.cos(math.radians(a)), 62 + 16 * math.sin(math.radians(a)),
                       1.3, INK, 0) for a in range(0, 360, 45)]]
    fringe = [shape(f"M{num(40 + 19 * math.cos(a))} {num(62 + 19 * math.sin(a))}"
                    f"l{num(6 * math.cos(a) - 2)} {num(10)}l4 -3Z", colour, 1.2)
              for a, colour in ((math.radians(110), JADE), (math.radians(90), c.shade),
                                (math.radians(70), JADE))]
    feet = [ellipse(47, 97, 5, 2.4, SOIL, DETAIL), ellipse(65, 97, 5, 2.4, SOIL, DETAIL)]
    return [backdrop(SKY_PALE), ground_, *plumes, *spear, tip, *skin, torso, quilt, hand,
            helmet, *face, paint, *fringe, *shield, *feet]


# ------------------------------------------------------------------ earth

def earth_scene(c):
    # The lowland earth in section: forested hills of the limestone under a
    # morning sun, the red earth a skin over the white rock, and a cenote
    # opening through both to the water in its cave, a ceiba at its mouth
    # letting its roots down to the pool.
    far = shape(scallops_d(dome_points(24, 56, 30, 24, 11), 0.72)
                + scallops_d(dome_points(88, 56, 32, 36, 13), 0.72) + "V60H-8Z", "#6fae8a",
                DETAIL)
    near_hill = shape(scallops_d(dome_points(96, 56, 22, 22, 9), 0.72) + "Z", JADE, DETAIL)
    crowns = line(scallops_d([(76, 40), (82, 38), (88, 38), (94, 40)], 0.7)
                  + scallops_d([(90, 48), (96, 46), (102, 46), (108, 48)], 0.7), DETAIL, JADE_DARK)
    rock = [ground(52, LIMESTONE),
            line("M-6 76C2 75 8 77 14 76M-4 88C4 87 10 89 16 88M100 77C106 76 110 78 116 77"
                 "M98 90C104 89 110 91 116 90M-6 100C0 99 6 101 12 100M8 76L10 82M106 90L104 96",
                 DETAIL, LIMESTONE_DARK)]
    soil = [shape("M-6 52H116V65C96 63 84 69 66 67C46 65 30 70 -6 66Z", c.main, 0),
            line("M-6 66C30 70 46 65 66 67C84 69 96 63 116 65", DETAIL, c.shade),
            line("M4 58H12M26 60H32M80 58H86M100 57H106", DETAIL, c.shade),
            line("M-6 52H116", OUTLINE)]
    cave_d = "M46 52L44 66C30 70 20 80 18 96L16 112H98L96 96C94 80 84 70 70 66L68 52Z"
    shaft = shape("M46.6 56H67.4L76 92H38Z", "#6e6253", 0)
    pool = [shape("M19.2 90C36 93 78 93 95 90L98 112H16Z", CENOTE, 0),
            ellipse(57, 94, 14, 2.4, CENOTE_LIGHT, 0),
            line("M26 98H36M76 98H88M44 103H54M62 103H70", 1.3, CENOTE_LIGHT)]
    drips = shape("M30 75l2 6l2-6ZM37 70l1.6 5l1.6-5ZM76 69l1.6 5l1.6-5ZM84 75l2 6l2-6Z",
                  LIMESTONE_DARK, 1)
    roots = line("M52 52C50 62 54 72 51 88M56 52C57 64 55 74 58 90M62 52C64 60 60 70 64 86"
                 "M66 52C70 58 72 66 72 74", 1.4, SOIL_LIGHT)
    cave = [shape(cave_d, CAVE, OUTLINE), shaft, *pool, drips, roots,
            shape(cave_d, "none", OUTLINE)]
    ceiba = [shape("M52 53C56 48 57 40 56 24H62C61 40 62 48 68 53Z", FUR_DARK, DETAIL),
             line("M57 32L46 24M61 30L72 22", 2.6, FUR_DARK),
             shape(scallops_d([(36, 24), (42, 16), (50, 12), (58, 11), (66, 12), (74, 16),
                               (80, 24)], 0.62) + "C68 27 48 27 36 24Z", JADE_DARK)]
    bushes = [shape(scallops_d(dome_points(30, 53, 9, 7, 5), 0.7) + "Z", JADE, DETAIL),
              shape(scallops_d(dome_points(80, 53, 8, 6, 5), 0.7) + "Z", JADE, DETAIL)]
    return [backdrop(SKY), circle(96, 14, 8, AMBER, DETAIL), far, near_hill, crowns,
            *rock, *soil, *cave, *bushes, *ceiba]


# ----------------------------------------------------------------- mirror

PYRITE = ("#c9a54a", "#e2c46a", "#b38d34", "#d6b455", "#a9853a", "#efd98a")


def _wobble(*values):
    """A fixed pseudo-random number in [0, 1) from its arguments, so that
    the mosaic is irregular yet the same on every run."""
    x = math.sin(sum(v * k for v, k in zip(values, (12.9898, 78.233, 37.719)))) * 43758.5453
    return x - math.floor(x)


def mosaic_tiles(cx, cy, radius):
    """The plates of a round mosaic: rings of irregular polygons that share
    their edges, each as (path data, ring, index)."""
    edges = (0, 0.3, 0.56, 0.8, 1.0)      # ring boundaries, fractions of radius
    counts = (5, 9, 14, 19)               # plates per ring
    samples = 72                          # points along each boundary

    def boundary(j):
        # The outer edge stays round; the ones inside waver a little.
        wobble = 0 if j == len(edges) - 1 else 0.05
        return [(cx + radius * (edges[j] + wobble * (_wobble(j, i) - 0.5))
                 * math.cos(2 * math.pi * i / samples),
                 cy + radius * (edges[j] + wobble * (_wobble(j, i) - 0.5))
                 * math.sin(2 * math.pi * i / samples)) for i in range(samples)]

    tiles = []
    for ring, count in enumerate(counts):
        inner = boundary(ring) if ring else None
        outer = boundary(ring + 1)
        shift = _wobble(ring, 99) * samples / count
        cuts = [int(round(shift + samples * (k + 0.35 * (_wobble(ring, k, 7) - 0.5)) / count))
                for k in range(count)]
        for k in range(count):
            a, b = cuts[k], cuts[(k + 1) % count] + (samples if k == count - 1 else 0)
            points = [outer[i % samples] for i in range(a, b + 1)]
            if inner is None:
                points.append((cx, cy))
            else:
                points += [inner[i % samples] for i in range(b, a - 1, -1)]
            tiles.append((poly_d(points), ring, k))
    return tiles


def mirror_scene(c):
    # A diviner's mirror: a round mosaic of polished pyrite plates fitted
    # edge to edge on a slate back, in a rim of white stone, laid on a
    # woven mat.
    wall = [backdrop("#3c4e5e"),
            line("M-6 20H116M-6 46H116M-6 72H116"
                 "M20 -6V20M60 -6V20M100 -6V20M40 20V46M80 20V46M20 46V72M100 46V72",
                 1.4, "#2e3d4b")]
    mat = [shape("M-6 82H116V112H-6Z", SAND),
           line("".join(f"M{x} 82l8 8l-8 8l8 8l-8 8" for x in range(-6, 116, 8)), 1.2,
                "#c9a66a"),
           line("M-6 82H116", 2, INK)]
    cx, cy = 58, 46
    shadow = ellipse(cx, 84, 34, 4.4, "#2a2a30", 0)
    rim = circle(cx, cy, 36, c.main, OUTLINE + 0.4)
    def on_rim(r, degrees):
        a = math.radians(degrees)
        return f"{num(cx + r * math.cos(a))} {num(cy + r * math.sin(a))}"
    notches = line("".join(f"M{on_rim(32.6, a)}L{on_rim(36, a)}" for a in range(0, 360, 15)),
                   1.2, STONE_SHADE)
    back = circle(cx, cy, 31.6, FLINT_DARK, DETAIL)
    plates = []
    for d, ring, k in mosaic_tiles(cx, cy, 29.6):
        lit = _wobble(ring, k, 3)
        colour = PYRITE[int(lit * 5)]
        plates.append(shape(d, colour, 1.1, "#3a3226"))
    # The light falls on the upper left: a few plates there shine.
    gleam = [shape(d, PYRITE[5], 1.1, "#3a3226") for d, ring, k in mosaic_tiles(cx, cy, 29.6)
             if (ring, k) in ((2, 8), (3, 12), (1, 5), (3, 13))]
    glints = [twinkle(x, y, r, RIM_LIGHT, 1) for x, y, r in ((46, 32, 4), (74, 60, 2.6),
                                                             (100, 14, 3.4))]
    return [*wall, *mat, shadow, rim, notches, back, *plates, *gleam, *glints]


# ------------------------------------------------------------------ storm

def storm_scene(c):
    rain = line("".join(f"M{x} {y}l-5 12" for x, y in
                        ((20, 52), (34, 58), (48, 52), (62, 58), (78, 52), (92, 58),
                         (104, 52), (28, 72), (56, 72), (86, 72), (14, 66))), 2.2, "#9cc3d6")
    cloud = shape("M6 50C-6 50 -6 32 6 30C6 16 22 10 32 18C38 4 60 2 68 14"
                  "C80 6 98 12 98 26C112 26 114 46 102 50Z", c.shade, OUTLINE + 0.2)
    under = shape("M6 50C12 44 20 44 26 50C32 44 42 44 48 50C54 44 64 44 70 50"
                  "C76 44 86 44 92 50C96 46 100 46 102 50Z", "#173f55", DETAIL)
    curls = line(poly_d(spiral_points(40, 28, 1, 7, 450, 120, 18), False) +
                 poly_d(spiral_points(74, 26, 1, 6, 450, 120, 18), False),
                 DETAIL, c.main)
    bolts = [shape("M58 46L44 70H54L46 94L70 62H58L66 46Z", AMBER),
             shape("M88 48L82 60H88L84 72L96 56H90L94 48Z", AMBER, DETAIL)]
    sea = shape(wave_d(-6, 116, 88, 3, 16) + "V112H-6Z", SEA, OUTLINE)
    foam = line(wave_d(2, 116, 96, 2, 16), 1.6, FOAM)
    return [backdrop("#5d7a8f"), rain, sea, foam, *bolts, cloud, under, curls]


# -------------------------------------------------------------------- sun

def kin_flower(cx, cy, r, c):
    """The sun as the four-petalled k'in flower of the Sun day sign, its disc
    of radius r centred on (cx, cy), drawn with the pictures' line weights."""
    k = r / 40
    petal = "M50 50C38 44 32 26 37 13C40 5 60 5 63 13C68 26 62 44 50 50Z"
    turns = (0, 90, 180, 270)
    parts = [circle(50, 50, 40, SUN_GLOW, OUTLINE / k),
             *[shape("M50 50C42 38 44 22 50 12C56 22 58 38 50 50Z", AMBER, DETAIL / k,
                     transform=f"rotate({a + 45} 50 50)") for a in turns],
             *[shape(petal, c.main, (OUTLINE + 0.2) / k, transform=f"rotate({a} 50 50)")
               for a in turns],
             *[line("M50 40C44 34 41 22 44 14M50 40C56 34 59 22 56 14", DETAIL / k, c.shade,
                    transform=f"rotate({a} 50 50)") for a in turns],
             circle(50, 50, 11, RIM_LIGHT, OUTLINE / k), circle(50, 50, 5, c.shade, DETAIL / k)]
    return tag("g", parts, transform=f"translate({num(cx)},{num(cy)}) scale({num(k)}) "
                                     f"translate(-50,-50)")


def sun_scene(c):
    # Dawn over the forest: the sun, the four-petalled k'in flower, has
    # risen over a temple on its stepped pyramid, and its light spreads
    # through the morning sky.
    sx, sy = 81, 33
    glow = [circle(sx, sy, 54, "#f6dcb0", 0), circle(sx, sy, 40, "#f9e6bd", 0),
            circle(sx, sy, 29, "#fbf0cf", 0)]
    forest = [shape(scallops_d([(-8, 76), (0, 72), (8, 71), (16, 72), (24, 74), (32, 73),
                                (40, 75)], 0.7) + "V100H-8Z", JADE_DARK, DETAIL),
              shape(scallops_d([(64, 75), (72, 72), (80, 71), (88, 72), (96, 70), (104, 71),
                                (112, 73), (120, 76)], 0.7) + "V100H64Z", JADE_DARK, DETAIL)]
    # The pyramid: four steep terraces, a stair up the middle, the temple
    # with its three doors and the roof comb above.
    x0 = -6
    tiers = [(96, 88, 22, 94), (88, 80, 28, 88), (80, 72, 33, 83), (72, 65, 38, 78)]
    pyramid = []
    for bottom, top, left, right in tiers:
        left, right = left + x0, right + x0
        pyramid += [shape(f"M{left} {bottom}L{left + 2} {top}H{right - 2}L{right} {bottom}Z",
                          STONE_SHADE, DETAIL),
                    line(f"M{left + 0.6} {bottom - 2.4}H{right - 0.6}", 1.2, "#b09c70")]
    stair = [shape("M51 97L53.4 65H62.6L65 97Z", STONE, DETAIL),
             line("".join(f"M{num(51.3 + 0.075 * (97 - y))} {y}H{num(64.7 - 0.075 * (97 - y))}"
                          for y in range(93, 66, -4)), 1, STONE_SHADE)]
    temple = [shape("M42 65V52H74V65Z", STONE, DETAIL),
              shape("M40 53H76L74 47H42Z", c.shade, DETAIL),
              line("M44 50H72", 1.2, c.main),
              shape("M46 65V58H51V65ZM55.5 65V57H60.5V65ZM65 65V58H70V65Z", INK, 0),
              shape("M50 47V36H66V47Z", STONE_SHADE, DETAIL),
              shape("M53 45V39H56.4V45ZM59.6 45V39H63V45Z", "#f6dcb0", 1),
              line("M50 36H66", 2, c.shade)]
    building = tag("g", [*stair, *temple], transform=f"translate({x0},0)")
    plaza = [ground(96, "#d9c48c"), line("M-6 102H116", 1.2, "#b8a268")]
    return [backdrop(DUSK), *glow, kin_flower(sx, sy, 22, c), *forest, *pyramid, building,
            *plaza]


SCENES = [dragon, wind_scene, night_scene, seed_scene, serpent_scene, bridger_scene,
          hand_scene, star_scene, moon_scene, dog_scene, monkey_scene, human_scene,
          skywalker_scene, wizard_scene, eagle_scene, warrior_scene, earth_scene,
          mirror_scene, storm_scene, sun_scene]
