#!/usr/bin/python3
# As a screen reader user: select a folder, press a tag chip, read the files, find one by name
# in Ctrl+F's field, ask for a user tag.
import pyatspi, subprocess, sys, time


def wait_for(what, find, seconds=30):
    for _ in range(seconds * 10):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"smoke: gave up waiting for {what}")


def find(root, what, test=None, role=None):  # nodes that go away while we look are no match
    test = test or (lambda n: n.getRole() == role and n.name == what)
    return wait_for(what, lambda: pyatspi.findDescendant(root, test))


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


folder, tag, *expected = sys.argv[1:]
app = find(pyatspi.Registry.getDesktop(0), "velmora", lambda n: n.name.lower() == "velmora")
click(find(find(app, "Folders", role=pyatspi.ROLE_LIST), folder, lambda n: n.name == folder))
find(app, tag, role=pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
table = find(app, "Files", role=pyatspi.ROLE_TABLE).queryTable()
listed = lambda: sorted(table.getAccessibleAt(r, 0).name for r in range(table.nRows))
wait_for(f"the files {expected}", lambda: listed() == sorted(expected), 10)
subprocess.run(["xdotool", "key", "ctrl+f", "type", "party"], check=True)
find(app, "Find by name", lambda n: n.name == "Find by name" and n.getState().contains(pyatspi.STATE_FOCUSED))
wait_for("the file found", lambda: listed() == [e for e in expected if "party" in e], 10)
click(find(app, "Add User Defined Tag", role=pyatspi.ROLE_PUSH_BUTTON))
find(app, "Input User Definded Tag", role=pyatspi.ROLE_DIALOG)  # spelt as the window spells it
