# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Small helpers for writing compact SVG Tiny 1.2 markup by hand.

Only presentation attributes and the basic shapes are used, so that the
pictures render the same in Qt SVG as in a browser.  Numbers are printed
with at most two decimals so the output is byte-for-byte reproducible.
"""

import math

from palette import INK

OUTLINE = 2.6     # main outline width in motif units
DETAIL = 1.6      # inner line work


def num(value):
    """Shortest decimal text for a coordinate (two decimals at most)."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def tag(name, content=None, **attributes):
    """One element; keyword names use '_' where SVG uses '-'."""
    parts = [name]
    for key, value in attributes.items():
        if value is None:
            continue
        if isinstance(value, (int, float)):
            value = num(value)
        parts.append(f'{key.rstrip("_").replace("_", "-")}="{value}"')
    head = " ".join(parts)
    if content is None:
        return f"<{head}/>"
    if isinstance(content, (list, tuple)):
        content = "".join(content)
    return f"<{head}>{content}</{name}>"


def group(children, transform=None, **attributes):
    return tag("g", list(children), transform=transform, **attributes)


def place(children, dx, dy, scale=1.0, rotate=None):
    """Group moved by (dx, dy), scaled, optionally rotated about its origin."""
    transform = f"translate({num(dx)},{num(dy)})"
    if scale != 1.0:
        transform += f" scale({num(scale)})"
    if rotate:
        transform += f" rotate({num(rotate)})"
    return group(children, transform=transform)


def shape(d, fill, width=OUTLINE, stroke=INK, **extra):
    """A filled path with the usual rounded dark outline."""
    if width == 0:
        return tag("path", d=d, fill=fill, **extra)
    return tag("path", d=d, fill=fill, stroke=stroke, stroke_width=width,
               stroke_linejoin="round", **extra)


def line(d, width=DETAIL, stroke=INK, cap="round", **extra):
    """An open stroked path, by default with round ends."""
    return tag("path", d=d, fill="none", stroke=stroke, stroke_width=width,
               stroke_linecap=cap, stroke_linejoin="round", **extra)


def circle(cx, cy, r, fill, width=OUTLINE, stroke=INK):
    if width == 0:
        return tag("circle", cx=cx, cy=cy, r=r, fill=fill)
    return tag("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke,
               stroke_width=width)


def ellipse(cx, cy, rx, ry, fill, width=OUTLINE, stroke=INK, rotate=None):
    transform = None
    if rotate:
        transform = f"rotate({num(rotate)},{num(cx)},{num(cy)})"
    if width == 0:
        return tag("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill,
                   transform=transform)
    return tag("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=stroke,
               stroke_width=width, transform=transform)


def tube(d, fill, width, outline=OUTLINE, stroke=INK):
    """A band of constant width with a dark edge: two strokes of one path."""
    return [line(d, width + 2 * outline, stroke),
            line(d, width, fill)]


def poly_d(points, closed=True):
    """Path data through the given points with straight segments."""
    head, *rest = points
    d = f"M{num(head[0])} {num(head[1])}"
    d += "".join(f"L{num(x)} {num(y)}" for x, y in rest)
    return d + ("Z" if closed else "")


def spiral_points(cx, cy, r_start, r_end, a_start, a_end, steps=36):
    """Points of an Archimedean spiral; angles in degrees, y axis downwards."""
    points = []
    for i in range(steps + 1):
        t = i / steps
        a = math.radians(a_start + (a_end - a_start) * t)
        r = r_start + (r_end - r_start) * t
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def star_points(cx, cy, outer, inner, count, rotation=-90.0):
    """Alternating outer/inner points of a star polygon."""
    points = []
    for i in range(count * 2):
        r = outer if i % 2 == 0 else inner
        a = math.radians(rotation + 180.0 * i / count)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def svg_document(width, height, children, title, view_box=None):
    """A whole standalone SVG Tiny 1.2 file as text, drawn on a grid of
    view_box (width, height) units if given, else one unit a pixel."""
    body = "".join(children)
    box_width, box_height = view_box or (width, height)
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
        f'baseProfile="tiny" width="{width}" height="{height}" '
        f'viewBox="0 0 {box_width} {box_height}">'
        f"<title>{title}</title>{body}</svg>\n"
    )
