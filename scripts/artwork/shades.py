# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Extra colours used only inside the day-sign motifs.

They are earthy, natural tones chosen to sit between the direction colours
of palette.py without being mistaken for any of them.
"""

FUR = "#9a6238"          # deer, monkey and dog coats
FUR_DARK = "#6b3f22"     # ears, crest feathers, darker fur
FUR_LIGHT = "#e0b98a"    # muzzles, inner ears, faces
TAWNY = "#d9862f"        # jaguar pelt
AMBER = "#eb9a2c"        # beaks, eyes, lightning
SOIL = "#7d5233"         # earth and ground strata
SOIL_LIGHT = "#a9774b"
JADE_LIGHT = "#8cc7a4"   # highlights on jade, young leaves
JADE_DARK = "#2a6a4d"
NIGHT = "#162536"        # the inside of the night house
PINK = "#e07f7a"         # tongues
BONE_SHADE = "#d8ccb2"   # hollows of the skull
STONE_DEEP = "#a8936a"    # pedestal of the empty cartouche
HIDE = "#6e6462"          # the bare grey skin of the hairless dog
HIDE_DARK = "#4c4341"
HIDE_PINK = "#c99a90"     # its pink mottling
SUN_GLOW = "#f6d36b"      # the disc behind the sun's flower
SLATE = "#343a3f"         # the harpy eagle's crest, beak and breast band
LIMESTONE = "#e3dccb"     # the white rock under the lowland's red earth
LIMESTONE_DARK = "#b3a78f"  # its bedding and shadows
CAVE = "#4b4238"          # the shade inside a cenote
CENOTE = "#3aa39c"        # a cenote's green-blue water
CENOTE_LIGHT = "#8fd3c6"

# Skies, water and people of the tarot card pictures.
SKY = "#a9d8e6"          # daylight sky
SKY_PALE = "#dcefee"     # sky near the horizon, mist
DUSK = "#f2c7a0"         # warm evening sky
NIGHT_SKY = "#1c3451"    # night sky, lighter than the night house
NIGHT_HILL = "#10202f"   # hills against the night sky
SEA = "#2c6f92"
FOAM = "#d9eef2"
SAND = "#e6c487"
SKIN = "#c88756"
SKIN_DARK = "#97603a"
HAIR = "#2a1b12"
FLINT = "#6f7b80"        # knapped stone
FLINT_LIGHT = "#aab6b8"
FLINT_DARK = "#46545a"
VIOLET = "#4a3a6b"       # the wizard's night
