# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Geometry for the larger card pictures: curves, bodies along a spine,
outlines shared by several parts.

Everything returns path data or SVG elements built with svgkit, in the
picture's own units.
"""

import math

from palette import INK
from svgkit import OUTLINE, tag, num, poly_d


def cubic(p0, p1, p2, p3, steps=16):
    """Points of one cubic Bezier segment, both ends included."""
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        points.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0]
                       + t ** 3 * p3[0],
                       u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1]
                       + t ** 3 * p3[1]))
    return points


def spine(segments, steps=16):
    """Points along joined cubic segments, each given as (p0, p1, p2, p3)."""
    points = []
    for i, segment in enumerate(segments):
        part = cubic(*segment, steps=steps)
        points.extend(part if i == 0 else part[1:])
    return points


def normals(points):
    """Unit normals (to the left of the direction of travel, y down)."""
    result = []
    for i in range(len(points)):
        a = points[max(i - 1, 0)]
        b = points[min(i + 1, len(points) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy) or 1.0
        result.append((dy / length, -dx / length))
    return result


def band(points, widths, near=-0.5, far=0.5):
    """Outline of a strip along `points` between two fractions of the width.

    With the defaults it is the whole body of a limb or a snake; a strip
    such as (0.15, 0.45) gives a belly band on one side.
    """
    ns = normals(points)
    left, right = [], []
    for (x, y), (nx, ny), w in zip(points, ns, widths):
        left.append((x + nx * w * far, y + ny * w * far))
        right.append((x + nx * w * near, y + ny * w * near))
    return poly_d(left + right[::-1])


def taper(count, start, end, power=1.0):
    """Widths from start to end over `count` points."""
    return [start + (end - start) * (i / (count - 1)) ** power for i in range(count)]


def capsule_d(x1, y1, x2, y2, r):
    """A stadium: a bar of half-width r with round ends between two points."""
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy) or 1.0
    nx, ny = -dy / length * r, dx / length * r
    return (f"M{num(x1 + nx)} {num(y1 + ny)}L{num(x2 + nx)} {num(y2 + ny)}"
            f"A{num(r)} {num(r)} 0 0 0 {num(x2 - nx)} {num(y2 - ny)}"
            f"L{num(x1 - nx)} {num(y1 - ny)}"
            f"A{num(r)} {num(r)} 0 0 0 {num(x1 + nx)} {num(y1 + ny)}Z")


def circle_d(cx, cy, r):
    return (f"M{num(cx - r)} {num(cy)}A{num(r)} {num(r)} 0 1 0 {num(cx + r)} {num(cy)}"
            f"A{num(r)} {num(r)} 0 1 0 {num(cx - r)} {num(cy)}Z")


def solid(paths, fill, outline=OUTLINE, stroke=INK):
    """Several overlapping paths drawn as one shape with one outline.

    Each path gets a wide dark stroke first; the fills then cover the
    inner halves of those strokes, so only the outer silhouette is edged.
    """
    if isinstance(paths, str):
        paths = [paths]
    edges = [tag("path", d=d, fill=stroke, stroke=stroke, stroke_width=2 * outline,
                 stroke_linejoin="round") for d in paths]
    fills = [tag("path", d=d, fill=fill) for d in paths]
    return edges + fills




def spikes(points, widths, every, height, start=0, stop=None, side=1.0):
    """Triangles standing on one edge of a body, pointing away from it."""
    ns = normals(points)
    stop = len(points) if stop is None else stop
    result = []
    for i in range(start, stop, every):
        (x, y), (nx, ny), w = points[i], ns[i], widths[i]
        j = min(i + max(every // 2, 1), len(points) - 1)
        k = max(i - max(every // 2, 1), 0)
        bx, by = x + nx * side * w * 0.45, y + ny * side * w * 0.45
        ax, ay = (points[k][0] + ns[k][0] * side * widths[k] * 0.45,
                  points[k][1] + ns[k][1] * side * widths[k] * 0.45)
        cx, cy = (points[j][0] + ns[j][0] * side * widths[j] * 0.45,
                  points[j][1] + ns[j][1] * side * widths[j] * 0.45)
        tip = (bx + nx * side * height, by + ny * side * height)
        result.append(poly_d([(ax, ay), tip, (cx, cy)]))
    return result


def wave_d(x0, x1, y, amplitude, period):
    """A row of rounded wave crests from x0 to x1."""
    d = f"M{num(x0)} {num(y)}"
    x = x0
    while x < x1:
        d += (f"q{num(period / 4)} {num(-2 * amplitude)} {num(period / 2)} 0"
              f"q{num(period / 4)} {num(2 * amplitude)} {num(period / 2)} 0")
        x += period
    return d




def gust_points(x0, y0, x1, r, sense=1, turns=1.3, steps=40):
    """A gust of wind: a run from (x0, y0) to (x1, y0) that ends in a spiral
    curling up (sense 1) or down (sense -1) and inwards."""
    points = [(x0 + (x1 - x0) * i / 8, y0 + math.sin(i / 8 * math.pi) * r * 0.2 * sense)
              for i in range(8)]
    cx, cy = x1, y0 - r * sense
    start = 90 * sense
    for i in range(steps + 1):
        t = i / steps
        a = math.radians(start - sense * 360 * turns * t)
        radius = r * (1 - 0.7 * t)
        points.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return points


def dome_points(cx, base, rx, ry, count):
    """`count` points over a half ellipse standing on y = base, from its
    left foot over the top to its right foot."""
    return [(cx - rx * math.cos(math.pi * i / (count - 1)),
             base - ry * math.sin(math.pi * i / (count - 1))) for i in range(count)]


def scallops_d(points, bulge=0.62):
    """An open run of round bumps through `points`, each bump bulging to the
    left of the direction of travel (y down): the crowns of a forest seen
    from afar.  `bulge` is each arc's radius over its chord."""
    (x, y), *rest = points
    d = f"M{num(x)} {num(y)}"
    for (x0, y0), (x1, y1) in zip(points, rest):
        r = math.hypot(x1 - x0, y1 - y0) * bulge
        d += f"A{num(r)} {num(r)} 0 0 1 {num(x1)} {num(y1)}"
    return d

