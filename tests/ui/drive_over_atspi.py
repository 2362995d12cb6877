#!/usr/bin/python3
"""Uses the Teilerwerk window the way a screen reader's user does, over AT-SPI alone.

Usage: drive_over_atspi.py INPUT EXPECTED [INPUT EXPECTED ...]

Checks what each control is, then for every pair types INPUT into the input box through its
EditableText interface, presses "berechnen" through its action and reads the result box back.
Prints one PASS or FAIL line per check and exits non-zero if any failed.
Needs Debian's python3 with python3-pyatspi, and the AT-SPI bus of the program's session.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Teilerwerk"
PROMPT = "Ganzzahl  maximal ca. 10 Stellen eingeben:"
# The program registers on the accessibility bus a moment after its window shows up.
TIMEOUT_S = 10.0
POLL_S = 0.1

failures = 0


def report(name, expected, actual):
    global failures
    if expected == actual:
        print(f"PASS: {name}: {actual!r}")
    else:
        print(f"FAIL: {name}: expected {expected!r}, got {actual!r}")
        failures += 1


def find_window():
    deadline = time.monotonic() + TIMEOUT_S
    while True:
        try:
            for app in pyatspi.Registry.getDesktop(0):
                for window in app or []:
                    if window is not None and window.name == TITLE:
                        return window
        except GLib.Error:
            pass  # an application that left the bus while we were looking at it
        if time.monotonic() >= deadline:
            sys.exit(f"FAIL: no window named {TITLE!r} on the accessibility bus after {TIMEOUT_S:g} s")
        time.sleep(POLL_S)


def find(node, name, role):
    """The first object named `name` in `role` at or below `node`, depth first, or None."""
    if node.name == name and node.getRole() == role:
        return node
    for child in node:
        found = child and find(child, name, role)
        if found:
            return found
    return None


def control(window, name, role):
    """The control named `name` in `role`; exits if the window has none."""
    found = find(window, name, role)
    if found is None:
        sys.exit(f"FAIL: no {pyatspi.Role(role)} named {name!r} in the window")
    return found


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def wait_for_text(accessible, expected):
    deadline = time.monotonic() + 5.0
    while text_of(accessible) != expected and time.monotonic() < deadline:
        time.sleep(POLL_S)
    return text_of(accessible)


def main():
    pairs = sys.argv[1:]
    if not pairs or len(pairs) % 2:
        sys.exit("usage: drive_over_atspi.py INPUT EXPECTED [INPUT EXPECTED ...]")

    window = find_window()
    report("the window is a frame", "frame", window.getRoleName())
    # Looking each control up by name and role checks its role too.
    text1 = control(window, PROMPT, pyatspi.ROLE_TEXT)
    berechnen = control(window, "berechnen", pyatspi.ROLE_PUSH_BUTTON)
    text2 = control(window, "Ergebnis", pyatspi.ROLE_TEXT)

    action = berechnen.queryAction()
    report("berechnen can be pressed", ["Press"], [action.getName(i) for i in range(action.nActions)])
    report("berechnen takes no keyboard focus", False,
           berechnen.getState().contains(pyatspi.STATE_FOCUSABLE))
    report("the input box is editable", True, text1.getState().contains(pyatspi.STATE_EDITABLE))
    report("the result box starts with Ergebnis", "Ergebnis\n", text_of(text2))

    for given, expected in zip(pairs[0::2], pairs[1::2]):
        text1.queryEditableText().setTextContents(given)
        report(f"{given}: the input box holds it", given, wait_for_text(text1, given))
        action.doAction(0)
        report(f"{given}: the result", expected, wait_for_text(text2, expected))

    if failures:
        sys.exit(f"{failures} check(s) failed")
    print("all checks passed")


if __name__ == "__main__":
    main()
