# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared colours of the program's artwork.

The day signs follow the four-colour cycle of the directions:
Crocodile red (east), Wind white (north), Night blue (west), Seed yellow (south),
then again from Serpent red through Sun yellow.
"""

INK = "#2a1b12"          # outlines and line work
INK_SOFT = "#5a4130"     # secondary line work, shading strokes
STONE = "#efe2c4"        # cartouche fill, a warm limestone
STONE_SHADE = "#cdb88c"  # cartouche inner shadow / rim
RIM_LIGHT = "#f8f1e0"    # light outer rim, so shapes stay visible on black

DIRECTION_COLOURS = {
    "red": "#c43d2b",
    "white": "#f4efe4",
    "blue": "#2f86ad",
    "yellow": "#e2ae35",
}
DIRECTION_SHADES = {      # a darker tone of each, for second fills
    "red": "#8e2a1e",
    "white": "#cfc6b4",
    "blue": "#1f5d7a",
    "yellow": "#b3831d",
}
JADE = "#3f8f6b"

CYCLE = ["red", "white", "blue", "yellow"]


def colour_of_day_sign(day_sign: int) -> str:
    """Colour name of day sign 1..20 (Crocodile 1, Sun 20)."""
    return CYCLE[(day_sign - 1) % 4]
