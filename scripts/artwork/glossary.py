# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Spanish names the pictures carry, read from the program's glossary."""

import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                     "..", ".."))
GLOSSARY = os.path.join(ROOT, "resources", "texts", "es", "glossary.tsv")


def spanish_names(kind):
    """The Spanish names of one kind of the glossary, keyed by number."""
    names = {}
    with open(GLOSSARY, encoding="utf-8") as handle:
        next(handle)  # the heading line
        for line in handle:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 4 and fields[0] == kind:
                names[int(fields[1])] = fields[3].strip()
    return names
