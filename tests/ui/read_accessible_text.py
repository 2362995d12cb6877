#!/usr/bin/python3
"""Prints the whole text of one accessible object in the Teilerwerk window, read over AT-SPI.

Usage: read_accessible_text.py NAME [WINDOW_TITLE]

Writes the text to stdout as UTF-8, exactly as the object reports it (no newline added).
Needs Debian's python3 with python3-pyatspi, and the AT-SPI bus of the program's session.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

# The program registers on the accessibility bus a moment after its window shows up.
TIMEOUT_S = 10.0
RETRY_S = 0.1


def find_named(node, name):
    """The first object named `name` at or below `node`, depth first, or None."""
    if node is None:
        return None
    if node.name == name:
        return node
    for child in node:
        found = find_named(child, name)
        if found is not None:
            return found
    return None


def find_in_window(window_title, name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        try:
            for window in app:
                if window is not None and window.name == window_title:
                    found = find_named(window, name)
                    if found is not None:
                        return found
        except GLib.Error:
            # An application that left the bus while we were looking at it.
            continue
    return None


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: read_accessible_text.py NAME [WINDOW_TITLE]")
    name = sys.argv[1]
    window_title = sys.argv[2] if len(sys.argv) == 3 else "Teilerwerk"

    deadline = time.monotonic() + TIMEOUT_S
    last_error = "not on the accessibility bus"
    while True:
        try:
            found = find_in_window(window_title, name)
            if found is not None:
                text = found.queryText().getText(0, -1)
                sys.stdout.buffer.write(text.encode("utf-8"))
                sys.stdout.buffer.flush()
                return
        except NotImplementedError:
            sys.exit(f'read_accessible_text: "{name}" in "{window_title}" has no text')
        except GLib.Error as error:
            last_error = error.message
        if time.monotonic() >= deadline:
            sys.exit(f'read_accessible_text: no object "{name}" in a window "{window_title}" '
                     f"after {TIMEOUT_S:g} s ({last_error})")
        time.sleep(RETRY_S)


if __name__ == "__main__":
    main()
