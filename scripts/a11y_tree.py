#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads zt41's accessibility tree through AT-SPI, as a screen reader does.

  a11y_tree.py unnamed            controls without a name, per window
  a11y_tree.py focus              the focused control: role and name
  a11y_tree.py windows            the program's windows and their places
"""
import sys

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_MENU, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER,
}


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name in ("zt41", "ZT41"):
            return app
    sys.exit("zt41 is not on the accessibility bus")


def walk(node, depth=0):
    if node is None or depth > 14:
        return
    yield node
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        yield from walk(child, depth + 1)


def visible(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING)


def unnamed():
    for window in program():
        if window is None or not visible(window):
            continue
        blank = []
        padded = []
        for node in walk(window):
            if node.getRole() not in INTERACTIVE or not visible(node):
                continue
            name = node.name or ""
            if not name.strip():
                blank.append(node.getRoleName())
            elif name != name.strip():
                padded.append(repr(name))
        print(f"{window.name}\tunnamed={len(blank)} {blank}\tpadded={len(padded)} {padded}")


def focus():
    for node in walk(program()):
        try:
            if node.getState().contains(pyatspi.STATE_FOCUSED) and visible(node):
                window = node
                while window.parent is not None and window.parent.getRole() != pyatspi.ROLE_APPLICATION:
                    window = window.parent
                print(f"{window.name}\t{node.getRoleName()}\t{node.name}")
                return
        except Exception:
            continue
    print("-\tnothing\t")


def windows():
    for window in program():
        if window is None or not visible(window):
            continue
        c = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"{window.name}\t{c.x},{c.y} {c.width}x{c.height}")


{"unnamed": unnamed, "focus": focus, "windows": windows}[sys.argv[1]]()
