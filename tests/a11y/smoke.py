#!/usr/bin/python3
"""Drives the running Velmora window through the accessibility bus, as a screen reader
user would: select a folder, press a tag chip, read the file list."""

import subprocess
import sys
import time

import pyatspi


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"smoke: gave up waiting for {what}")


def search(node, predicate, depth=0):
    if node is None or depth > 25:
        return None
    try:
        if predicate(node):
            return node
        for i in range(node.childCount):
            hit = search(node.getChildAtIndex(i), predicate, depth + 1)
            if hit:
                return hit
    except Exception:  # a node that went away while we looked
        return None
    return None


def named(role, name):
    return lambda n: n.getRole() == role and n.name == name


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and child.name.lower() == "velmora":
            return child
    return None


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


def main():
    folder, tag, *expected = sys.argv[1:]
    window = wait_for("the application", app)
    folders = wait_for("the folder list", lambda: search(window, named(pyatspi.ROLE_LIST, "Folders")))
    item = wait_for(f"the folder {folder}", lambda: search(folders, lambda n: n.name == folder and n is not folders))
    click(item)
    tags = wait_for("the tag panel", lambda: search(window, lambda n: n.name == "Tags" and n.childCount > 0))
    chip = wait_for(f"the chip {tag}", lambda: search(tags, named(pyatspi.ROLE_PUSH_BUTTON, tag)))
    chip.queryAction().doAction(0)
    bar = search(window, lambda n: n.name == "Tag filter")
    wait_for(f"{tag} in the filter", lambda: search(bar, named(pyatspi.ROLE_PUSH_BUTTON, tag)))
    files = search(window, named(pyatspi.ROLE_LIST, "Files"))

    def listed():
        names = sorted(files.getChildAtIndex(i).name for i in range(files.childCount))
        return names if names == sorted(expected) else None

    wait_for(f"the files {expected} (listed: {[files.getChildAtIndex(i).name for i in range(files.childCount)]})", listed, 10)
    # The dialog's title and prompt are the design's text, misspelling and all.
    click(search(window, named(pyatspi.ROLE_PUSH_BUTTON, "Add User Defined Tag")))
    title = "Input User Definded Tag"
    dialog = wait_for("the user-tag dialog", lambda: search(app(), named(pyatspi.ROLE_DIALOG, title)))
    wait_for("its prompt", lambda: search(dialog, named(pyatspi.ROLE_LABEL, title)))
    print(f"smoke: {folder} selected, {tag} pressed, {len(expected)} files read, {title} asked")


main()
