#!/usr/bin/python3
"""Drives the running Velmora window through the accessibility bus, as a screen reader
user would: select a folder, press a tag chip, read the file list, ask for a user tag."""

import subprocess
import sys
import time

import pyatspi
from pyatspi import ROLE_DIALOG, ROLE_LABEL, ROLE_LIST, ROLE_PUSH_BUTTON


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"smoke: gave up waiting for {what}")


def search(node, predicate, depth=0):
    try:  # a node may go away while we look
        if node is None or depth > 25 or predicate(node):
            return node if depth <= 25 else None
        return next(filter(None, (search(node.getChildAtIndex(i), predicate, depth + 1)
                                  for i in range(node.childCount))), None)
    except Exception:
        return None


def named(role, name):
    return lambda n: n.getRole() == role and n.name == name


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


def main():
    folder, tag, *expected = sys.argv[1:]
    desktop = pyatspi.Registry.getDesktop(0)
    app = lambda: search(desktop, lambda n: n.name.lower() == "velmora")
    window = wait_for("the application", app)
    folders = wait_for("the folder list", lambda: search(window, named(ROLE_LIST, "Folders")))
    click(wait_for(f"the folder {folder}", lambda: search(folders, lambda n: n.name == folder and n is not folders)))
    tags = wait_for("the tag panel", lambda: search(window, lambda n: n.name == "Tags" and n.childCount > 0))
    wait_for(f"the chip {tag}", lambda: search(tags, named(ROLE_PUSH_BUTTON, tag))).queryAction().doAction(0)
    bar = search(window, lambda n: n.name == "Tag filter")
    wait_for(f"{tag} in the filter", lambda: search(bar, named(ROLE_PUSH_BUTTON, tag)))
    files = search(window, named(ROLE_LIST, "Files"))
    listed = lambda: sorted(files.getChildAtIndex(i).name for i in range(files.childCount))
    wait_for(f"the files {expected} (listed: {listed()})", lambda: listed() == sorted(expected), 10)
    # The dialog's title and prompt are the design's text, misspelling and all.
    click(search(window, named(ROLE_PUSH_BUTTON, "Add User Defined Tag")))
    title = "Input User Definded Tag"
    dialog = wait_for("the user-tag dialog", lambda: search(app(), named(ROLE_DIALOG, title)))
    wait_for("its prompt", lambda: search(dialog, named(ROLE_LABEL, title)))
    print(f"smoke: {folder} selected, {tag} pressed, {len(expected)} files read, {title} asked")


main()
