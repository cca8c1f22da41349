"""Reads the Linux program's windows as a screen reader does, over AT-SPI.

  atspi_tree.py dump            prints the tree of every window of the program
  atspi_tree.py check-dialog    the settings dialog: its role, every field named
  atspi_tree.py check-clock     the clock: a frame named by the time it shows
  atspi_tree.py focus NAME      gives the keyboard focus to the button NAME
  atspi_tree.py focused         prints the name of the control with the focus
Exits 1 with a line on stderr when a check fails.
"""
import re
import sys
import time

import pyatspi


def program():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "talvorin":
                return app
        time.sleep(0.1)
    sys.exit("talvorin is not on the accessibility bus")


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def window(app, role, pattern):
    for _ in range(50):
        for child in app:
            if child is not None and child.getRoleName() == role and re.fullmatch(pattern, child.name):
                return child
        time.sleep(0.1)
    sys.exit(f"no {role} named /{pattern}/: " +
             ", ".join(f"{c.getRoleName()} '{c.name}'" for c in app if c is not None))


def dump(app):
    for depth, node in walk(app):
        print(f"{'  ' * depth}{node.getRoleName()} '{node.name}'")


EXPECTED_FIELDS = {
    "text": ["Transparence", "Masque RGB : R", "G", "B", "Taille des chiffres",
             "Position de la fenetre : haut", "gauche"],
    "check box": ["Afficher les secondes", "(au dessus de toutes les fenêtres)"],
    "push button": ["Par défaut", "Valider !"],
}


def check_dialog(app):
    dialog = window(app, "dialog", "Talvorin - Paramètres")
    found = {role: [] for role in EXPECTED_FIELDS}
    for _, node in walk(dialog):
        role = node.getRoleName()
        if role in found:
            found[role].append(node.name)
    failed = False
    for role, names in EXPECTED_FIELDS.items():
        if sorted(found[role]) != sorted(names):
            print(f"{role}: expected {names}, got {found[role]}", file=sys.stderr)
            failed = True
    sys.exit(1 if failed else 0)


def check_clock(app):
    # A top-level window (Qt's bridge reports QAccessible::Window as AT-SPI's
    # "frame", as GTK does for its windows), named by the time it shows:
    # 14:05, or 14:05:09 with seconds.
    frame = window(app, "frame", r"\d{1,2}:\d{2}(:\d{2})?")
    # Each label's box, as a screen reader outlines it, lies within the clock.
    box = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for _, node in walk(frame):
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if e.x < box.x or e.y < box.y or e.x + e.width > box.x + box.width or e.y + e.height > box.y + box.height:
            sys.exit(f"{node.getRoleName()} '{node.name}' at {e.x},{e.y} {e.width}x{e.height} "
                     f"outside the clock at {box.x},{box.y} {box.width}x{box.height}")


def focus(app, name):
    for _, node in walk(app):
        if node.name == name and node.getRoleName() == "push button":
            node.queryComponent().grabFocus()
            return
    sys.exit(f"no button '{name}'")


def focused(app):
    for _, node in walk(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            print(node.name)
            return


def main():
    app = program()
    command = sys.argv[1]
    if command == "dump":
        dump(app)
    elif command == "check-dialog":
        check_dialog(app)
    elif command == "check-clock":
        check_clock(app)
    elif command == "focused":
        focused(app)
    elif command == "focus":
        focus(app, sys.argv[2])
    else:
        sys.exit(f"unknown command {command}")


main()
