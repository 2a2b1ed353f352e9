# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the running program's accessibility tree, screen by screen, and
checks that every control a user works with is there, named as a screen
reader should announce it. Drives the program only through the accessibility
bus (press actions and editable text), as assistive technology does."""

import subprocess
import sys
import time

import pyatspi

TIMEOUT = 20.0


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_application():
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and (app.name or "").lower().startswith("tzolkara"):
                return app
        time.sleep(0.2)
    sys.exit("the program never appeared on the accessibility bus")


def controls(app):
    """(role, name, description) of every control on screen now."""
    found = []
    for node in walk(app):
        if showing(node):
            try:
                found.append((node.getRoleName(), node.name, node.description, node))
            except Exception:
                pass
    return found


def wait_for(app, role, name, what):
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        for r, n, _, node in controls(app):
            if r == role and (n == name or (name.endswith("*") and n.startswith(name[:-1]))):
                return node
        time.sleep(0.2)
    sys.exit(f"{what}: no {role} named {name!r} on screen")


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def type_into(node, text):
    node.queryEditableText().setTextContents(text)


def expect(app, screen, wanted):
    for role, name in wanted:
        wait_for(app, role, name, screen)
    print(f"{screen}: {len(wanted)} controls named")


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = find_application()
        expect(app, "welcome", [
            ("push button", "Mayan Astrology"), ("push button", "Mayan Astrology Tarot"),
            ("push button", "Mayan Numerology"), ("push button", "Maya Calendar"),
            ("image", "Icon of Maya Calendar"), ("push button", "Exit"),
            ("link", "The Most Popular Online Mystic Forum*"), ("link", "Home Business Opportunity*"),
            ("image", "The Tzolkara emblem"), ("link", "Today: *")])

        press(wait_for(app, "push button", "Mayan Astrology", "welcome"))
        expect(app, "astrology entry", [
            ("text", "Name"), ("combo box", "January"), ("combo box", "1"), ("combo box", "1900"),
            ("push button", "Get Mayan Astrology Result"),
            ("push button", "Open Previously Saved Reading"),
            ("link", "The Most Popular Online Mystic Discussion Forum*"),
            ("link", "Home Business Opportunity*")])
        for r, n, description, _ in controls(app):
            if r == "combo box" and not description.endswith("of birth"):
                sys.exit(f"astrology entry: the list showing {n!r} does not say what it is")
        type_into(wait_for(app, "text", "Name", "astrology entry"), "Ana")
        press(wait_for(app, "push button", "Get Mayan Astrology Result", "astrology entry"))
        expect(app, "astrology result", [
            ("image", "Day sign *"), ("image", "Day number *"), ("push button", "Save"),
            ("push button", "Back"), ("link", "Co-brand this software*"),
            ("link", "Show in the calendar")])

        press(wait_for(app, "link", "Show in the calendar", "astrology result"))
        expect(app, "maya calendar", [
            ("table", "Days of the month"),
            ("table cell", "Monday 1 January 1900: 4 Etz'nab, 6 Mak*"),
            ("push button", "Previous month"), ("push button", "Next month"),
            ("push button", "Today"), ("text", "Go to"),
            ("check box", "Dates in the Julian calendar"), ("label", "Long Count"),
            ("push button", "Astrology reading for this day"), ("push button", "Find next"),
            # Every value of the selected day is heard with its caption.
            ("label", "Date: Monday 1 January 1900"), ("label", "Julian day number: 2415021"),
            ("label", "Long Count: 12.14.5.6.18"), ("label", "Tzolk'in: 4 Etz'nab"),
            ("label", "Haab': 6 Mak"), ("label", "Calendar Round: 4 Etz'nab 6 Mak"),
            ("label", "Lord of the Night: G3"), ("label", "Day of the 260 days: 238"),
            ("label", "In K'iche': 4 Tijax"), ("label", "Year bearer: 5 Eb (30 April 1899)"),
            ("radio button", "Yucatec names"), ("radio button", "K'iche' names"),
            ("check box", "Feasts")])
        panel = [n for r, n, _, _ in controls(app) if r == "label" and n]
        for caption in ("Date", "Julian calendar", "Julian day number", "Long Count", "Tzolk'in",
                        "In K'iche'", "Haab'", "Calendar Round", "Lord of the Night", "Trecena",
                        "Day of the 260 days", "Year bearer", "Marks", "Age of the Moon",
                        "Phase of the Moon"):
            if not any(n.startswith(caption + ": ") and len(n) > len(caption) + 2 for n in panel):
                sys.exit(f"maya calendar: {caption!r} is not heard with its value")

        # The other names, by the option's own action, reach the grid and the panel.
        press(wait_for(app, "radio button", "K'iche' names", "maya calendar"))
        expect(app, "maya calendar in K'iche'", [
            ("table cell", "Monday 1 January 1900: 4 Tijax, 6 Mak*"),
            ("label", "Tzolk'in: 4 Tijax"), ("label", "In Yucatec: 4 Etz'nab")])
        press(wait_for(app, "radio button", "Yucatec names", "maya calendar"))

        press(wait_for(app, "push button", "Mayan Astrology Tarot", "maya calendar"))
        expect(app, "tarot question", [
            ("text", "Name"), ("text", "Describe the Problem"),
            ("push button", "Get My Mayan Astrology Tarot Reading"),
            ("push button", "Open Previously Saved Reading"),
            ("link", "The Most Popular Online Mystic Discussion Board*")])
        type_into(wait_for(app, "text", "Name", "tarot question"), "Ana")
        press(wait_for(app, "push button", "Get My Mayan Astrology Tarot Reading",
                       "tarot question"))
        expect(app, "tarot result", [
            ("image", "Guide: *"), ("image", "Challenge: *"), ("image", "Central: *"),
            ("image", "Ally: *"), ("image", "Occult: *"), ("push button", "Exit"),
            ("push button", "Back")])

        press(wait_for(app, "push button", "Mayan Numerology", "tarot result"))
        type_into(wait_for(app, "text", "Name", "numerology entry"), "Ana")
        press(wait_for(app, "push button", "Get My Mayan Numerology Reading", "numerology entry"))
        expect(app, "numerology result", [("image", "Day number *"), ("push button", "Back")])
        print("1 passed, 0 failed")
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    main()
