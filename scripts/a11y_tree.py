#!/usr/bin/python3
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
        buttons = []
        for node in walk(window):
            if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON) \
                    and visible(node):
                buttons.append(node.name)
            if node.getRole() not in INTERACTIVE or not visible(node):
                continue
            name = node.name or ""
            if not name.strip():
                blank.append(node.getRoleName())
            elif name != name.strip():
                padded.append(repr(name))
        print(f"{window.name}\tunnamed={len(blank)} {blank}\tpadded={len(padded)} {padded}"
              f"\tbuttons={len(buttons)} {buttons}")


def focus():
    """The focused control of the active window (a table's current cell only
    when its table has the focus)."""
    for window in program():
        if window is None or not window.getState().contains(pyatspi.STATE_ACTIVE):
            continue
        found = None
        for node in walk(window):
            try:
                states = node.getState()
                if not states.contains(pyatspi.STATE_FOCUSED) or not visible(node):
                    continue
                if node.getRole() == pyatspi.ROLE_TABLE_CELL and found is None:
                    continue
                if found is not None and found.getRole() == pyatspi.ROLE_TABLE and \
                        node.getRole() != pyatspi.ROLE_TABLE_CELL:
                    continue
                found = node
            except Exception:
                continue
        if found is not None:
            print(f"{window.name}\t{found.getRoleName()}\t{found.name}")
            return
        print(f"{window.name}\tnothing\t")
        return
    print("-\tnothing\t")


def windows():
    for window in program():
        if window is None or not visible(window):
            continue
        c = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"{window.name}\t{c.x},{c.y} {c.width}x{c.height}")


def listen():
    """Prints the name changes of status bars for a few seconds: what a screen
    reader hears of the status line."""
    import threading

    def changed(event):
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            print(f"status bar says: {event.source.name!r}", flush=True)

    pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
    threading.Timer(float(sys.argv[2]), pyatspi.Registry.stop).start()
    pyatspi.Registry.start()


{"unnamed": unnamed, "focus": focus, "windows": windows, "listen": listen}[sys.argv[1]]()
