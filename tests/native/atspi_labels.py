#!/usr/bin/python3
"""Reads the dialog "RGB <-> HSV" over AT-SPI, as a screen reader would, and
prints each field and button with the name it is read out with: a field's
own name, or else the name of the text it is labelled by.

    atspi_labels.py SECONDS
    atspi_labels.py SECONDS --busy    prints "busy" or "idle", the dialog's state

Exits 1, saying so, if no such dialog is on the accessibility bus in time.
"""
import sys
import time

import pyatspi


def find_dialog():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == "RGB <-> HSV":
                return window
    return None


def spoken_name(accessible):
    if accessible.name:
        return accessible.name
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
            return relation.getTarget(0).name
    return ""


def main():
    deadline = time.monotonic() + float(sys.argv[1])
    dialog = find_dialog()
    while dialog is None and time.monotonic() < deadline:
        time.sleep(0.05)
        dialog = find_dialog()
    if dialog is None:
        print("no dialog \"RGB <-> HSV\" on the accessibility bus", file=sys.stderr)
        return 1
    if sys.argv[2:] == ["--busy"]:
        print("busy" if dialog.getState().contains(pyatspi.STATE_BUSY) else "idle")
        return 0
    roles = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PUSH_BUTTON)
    for accessible in pyatspi.findAllDescendants(dialog, lambda a: a.getRole() in roles):
        print(f"{accessible.getRoleName()}: {spoken_name(accessible)}")
    return 0


sys.exit(main())
