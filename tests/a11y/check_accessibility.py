#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's windows as AT-SPI shows them to a screen reader: roles, names, the modal
state, and actions refused on a window a modal one blocks. (Pop-up menus are not in the
tree a client walks; their items' names are checked by the widget tests.)"""

import os
import subprocess
import sys
import time

import pyatspi

passed = 0
failed = 0


def check(name, actual, expected):
    global passed, failed
    if actual == expected:
        passed += 1
        print(f"ok   {name}")
    else:
        failed += 1
        print(f"FAIL {name}: got {actual!r}, expected {expected!r}")


def wait_for(find, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "tremlet" and app.childCount > 0:
            return app
    return None


def window(title):
    app = application()
    if app is None:
        return None
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == title:
            return child
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None):
    for child in descendants(node):
        if child.getRoleName() == role and (name is None or child.name == name):
            return child
    return None


def names(node, role):
    return [child.name for child in descendants(node) if child.getRoleName() == role]


def act(node):
    """The node's first action: press for a push button, toggle for a check box."""
    node.queryAction().doAction(0)


def is_modal(node):
    return node.getState().contains(pyatspi.STATE_MODAL)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=False)
    time.sleep(0.3)


program = subprocess.Popen([sys.argv[1]])
try:
    main = wait_for(lambda: window("velmora Tremlet 1.0"), 40)
    check("the main window shows in the accessibility tree", main is not None, True)
    if main is None:
        raise SystemExit(1)

    check("the main window is a dialog", main.getRoleName(), "dialog")
    check("and modal", is_modal(main), True)
    check("its fields are named by their rows", names(main, "text"),
          ["Period (loop time)", "beats", "Tempo (BPM)"])
    check("its buttons by their texts without mnemonic marks", names(main, "push button"),
          ["About", "Help", "Compute Tempo", "Compute Period"])
    check("the emblem takes no label's name", names(main, "image"), [""])

    act(find(main, "push button", "About"))
    about = wait_for(lambda: window("About Tremlet.exe"))
    check("About opens from its button's action", about is not None, True)
    if about is not None:
        check("About is a modal dialog", (about.getRoleName(), is_modal(about)), ("dialog", True))
        check("its buttons are named by their own texts", names(about, "push button"),
              ["OK", "Visit Site"])
        # The main window is blocked: its buttons' actions go nowhere, as clicks would.
        act(find(main, "push button", "Help"))
        time.sleep(0.5)
        with open(os.environ["OPENED_LOG"]) as log:
            check("Help's action behind About opens nothing", log.read(), "")
        act(find(about, "push button", "OK"))
        check("OK's action closes About", wait_for(lambda: None if window("About Tremlet.exe") else True), True)

    act(find(main, "check box", "Display n/th "))
    act(find(main, "push button", "Compute Tempo"))
    rows = wait_for(lambda: window("velmora Tremlet NTH"))
    check("the subdivision window opens", rows is not None, True)
    if rows is not None:
        check("it is a modal dialog", (rows.getRoleName(), is_modal(rows)), ("dialog", True))
        check("its fields are named by their rows and unit", names(rows, "text"),
              [f"1/{2 ** k} (s)" for k in range(1, 9)])
        key("Escape")
        wait_for(lambda: None if window("velmora Tremlet NTH") else True)

    # A message box is a modal dialog too.
    find(main, "text", "beats").queryEditableText().setTextContents("")
    act(find(main, "push button", "Compute Tempo"))
    box = wait_for(lambda: window("tremlet"))
    check("invalid data shows a message box", box is not None, True)
    if box is not None:
        check("the message box is a modal dialog", (box.getRoleName(), is_modal(box)),
              ("dialog", True))
        act(find(box, "push button"))
finally:
    program.kill()

print(f"{passed} passed, {failed} failed")
sys.exit(0 if failed == 0 else 1)
