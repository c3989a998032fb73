#!/usr/bin/python3
"""Drives the running Velmora window through the accessibility bus, as a screen reader
user would: select a folder, press a tag chip, read the file list, ask for a user tag."""
import subprocess, sys, time
import pyatspi
from pyatspi import ROLE_DIALOG, ROLE_LABEL, ROLE_LIST, ROLE_PUSH_BUTTON, ROLE_TABLE


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"smoke: gave up waiting for {what}")


def under(root, test):  # nodes that go away while we look count as no match
    return lambda: pyatspi.findDescendant(root, test)


def named(role, name):
    return lambda n: n.getRole() == role and n.name == name


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


folder, tag, *expected = sys.argv[1:]
app = wait_for("the application", under(pyatspi.Registry.getDesktop(0), lambda n: n.name.lower() == "velmora"))
folders = wait_for("the folder list", under(app, named(ROLE_LIST, "Folders")))
click(wait_for(f"the folder {folder}", under(folders, lambda n: n.name == folder)))
tags = wait_for("the tag panel", under(app, lambda n: n.name == "Tags" and n.childCount > 0))
wait_for(f"the chip {tag}", under(tags, named(ROLE_PUSH_BUTTON, tag))).queryAction().doAction(0)
files = wait_for("the file list", under(app, named(ROLE_TABLE, "Files")))
def listed():
    table = files.queryTable()
    return sorted(table.getAccessibleAt(r, 0).name for r in range(table.nRows))
wait_for(f"the files {expected}", lambda: listed() == sorted(expected), 10)
# The dialog's title and prompt are the design's text, misspelling and all.
click(wait_for("the user-tag button", under(app, named(ROLE_PUSH_BUTTON, "Add User Defined Tag"))))
title = "Input User Definded Tag"
dialog = wait_for("the user-tag dialog", under(app, named(ROLE_DIALOG, title)))
wait_for("its prompt", under(dialog, named(ROLE_LABEL, title)))
print(f"smoke: {folder} selected, {tag} pressed, {len(expected)} files read, {title} asked")
