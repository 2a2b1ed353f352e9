#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A plain Python count, the yardstick for tzolkara-kin: reads ISO dates from
standard input, one a line, computes each day's place in the 260-day count
from its day number (the standard library's proleptic Gregorian ordinal) and
prints the same tab-separated columns as tzolkara-kin."""

import datetime
import os
import re
import sys



def read_signs():
    """(label, English name) in sign-table order, as tzolkara-kin prints
    them: position 0 is Monkey. From resources/signs.tsv."""
    table = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources",
                         "signs.tsv")
    with open(table, encoding="utf-8") as handle:
        rows = [line.rstrip("\n").split("\t") for line in handle if line[:1].isdigit()]
    return [(label, name) for _, label, name in
            sorted((int(position), label, name) for _, position, label, name, _ in rows)]


SIGNS = read_signs()
# 21 December 2012, 4 Ajaw: day number 4 of the Sun (sign 20), KinNumber 10.
ANCHOR = datetime.date(2012, 12, 21).toordinal()
ANCHOR_KIN = 10


def year_constant(header, name):
    """An integer constant of the program's C++ sources, so that the count
    refuses what tzolkara-kin refuses."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", header)
    with open(path, encoding="utf-8") as handle:
        return int(re.search(rf"\b{name} = (\d+);", handle.read()).group(1))


FIRST = datetime.date(year_constant("tables/engine/BirthDate.h", "kFirstBirthYear"), 1, 1)
LAST = datetime.date(year_constant("tables/engine/BirthDate.h", "kLastTableYear"), 12, 31)


def main():
    out = []
    failed = False
    for line in sys.stdin:
        text = line.strip()
        if not text:
            continue
        try:
            day = datetime.date.fromisoformat(text)
        except ValueError:
            day = None
        if day is None or len(text) != 10 or not FIRST <= day <= LAST:
            print(f"count_days: '{text}' is not a date from {FIRST} to {LAST}",
                  file=sys.stderr)
            failed = True
            continue
        kin = (day.toordinal() - ANCHOR + ANCHOR_KIN - 1) % 260 + 1
        position = (kin - 1) % 20
        label, name = SIGNS[position]
        out.append(f"{text}\t{kin}\t{(kin + 6) % 13 + 1}\t{(position + 10) % 20 + 1}"
                   f"\t{label}\t{name}\n")
    sys.stdout.write("".join(out))
    return 2 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
