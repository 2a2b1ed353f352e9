# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The words the pictures carry in each language the program speaks, read
from its translations (translations/tzolkara_<code>.ts): a language with a
translation gets its own pictures in a folder named by its code."""

import os
import xml.etree.ElementTree as ElementTree

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                     "..", ".."))
TRANSLATIONS = os.path.join(ROOT, "translations")


def languages():
    """The codes of every translation, sorted ("es", ...)."""
    codes = []
    for name in sorted(os.listdir(TRANSLATIONS)):
        if name.startswith("tzolkara_") and name.endswith(".ts"):
            codes.append(name[len("tzolkara_"):-len(".ts")])
    return codes


def words(code, context):
    """The translated words of one context, keyed by their English."""
    tree = ElementTree.parse(os.path.join(TRANSLATIONS, f"tzolkara_{code}.ts"))
    found = {}
    for element in tree.getroot().iter("context"):
        if element.findtext("name") != context:
            continue
        for message in element.iter("message"):
            translation = message.findtext("translation") or ""
            if translation.strip():
                found[message.findtext("source")] = translation.strip()
    return found


def say(code, context, english):
    """`english` as the language of `code` says it; a word its translation
    lacks stops the drawing rather than draw an English word into it."""
    said = words(code, context).get(english)
    if said is None:
        raise SystemExit(f"tzolkara_{code}.ts has no translation of "
                         f"{context} \"{english}\"")
    return said
