# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The 20 day signs as resources/signs.tsv lists them, in day-sign order
(1 Crocodile .. 20 Sun)."""

import collections
import os

Sign = collections.namedtuple("Sign", "number position label name stem")

TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources",
                     "signs.tsv")


def day_signs(path=TABLE):
    with open(path, encoding="utf-8") as handle:
        rows = [line.rstrip("\n").split("\t") for line in handle
                if line[:1].isdigit()]
    signs = [Sign(int(r[0]), int(r[1]), r[2], r[3], r[4]) for r in rows]
    assert [s.number for s in signs] == list(range(1, 21)), f"{path}: not 1 to 20 in order"
    return signs
