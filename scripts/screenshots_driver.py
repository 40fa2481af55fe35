#!/usr/bin/env python3
"""Drives the running quendaris6 through AT-SPI, as a user would, and photographs each step.

Called by scripts/screenshots inside its own display and session bus; argv: the output folder
and the scene: "tabs" (every tab against a healthy dimmer, at the highest access level) or
"message" (the message a dimmer that never answers brings).
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

OUT, SCENE = sys.argv[1], sys.argv[2]
LEVEL3_PASSWORD = "fobe2473"


def wait_for(what, probe, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"screenshots: timed out waiting for {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "quendaris6":
            return app
    return None


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRoleName() == role and node.name == name)


def press(node):
    node.queryAction().doAction(0)


def press_opening_dialog(node):
    """Presses a control whose action runs a modal dialog: the reply comes only when it closes."""
    Atspi.set_timeout(1000, -1)
    try:
        node.queryAction().doAction(0)
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def window_id(title_part):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title_part],
                         capture_output=True, text=True, check=False).stdout.split()
    return out[-1] if out else None


def shoot(name, window="root"):
    time.sleep(1.0)  # let the window repaint after the last action
    subprocess.run(["import", "-frame", "-window", window, f"{OUT}/{name}.png"], check=True)
    print(f"  {name}.png")


def switch_on(app):
    press(wait_for("the button COM aktivieren", lambda: find(app, "push button", "COM aktivieren")))


def message_scene(app):
    switch_on(app)
    wait_for("the message box", lambda: window_id("^quenDARIS6$"), seconds=60)
    shoot("message-data-error")


def tabs_scene(app):
    switch_on(app)
    # Live data has arrived once the dimmer's clock no longer shows the offline placeholder.
    clock = wait_for("the controller clock", lambda: find(app, "panel", "Uhrzeit - Controller"))
    wait_for("live data", lambda: not clock.getChildAtIndex(0).name.startswith("01.01.2000"))

    press_opening_dialog(wait_for("the menu item Passwortabfrage",
                                  lambda: find(app, "menu item", "Passwortabfrage")))
    field = wait_for("the password field", lambda: pyatspi.findDescendant(
        app, lambda n: n is not None and n.getRoleName() == "password text"))
    field.queryEditableText().setTextContents(LEVEL3_PASSWORD)
    press(wait_for("the button OK", lambda: find(app, "push button", "OK")))

    tabs = wait_for("the tabs", lambda: pyatspi.findDescendant(
        app, lambda n: n is not None and n.getRoleName() == "page tab list"))
    for index in range(tabs.childCount):
        tab = tabs.getChildAtIndex(index)
        if tab.getRoleName() != "page tab":
            continue
        press(tab)
        if tab.name.strip() == "Fehlerspeicher":
            press(find(app, "push button", "Fehlerspeicher lesen"))
            time.sleep(3)
        slug = (tab.name.strip().lower().replace("ä", "ae").replace("ö", "oe")
                .replace("ü", "ue").replace(" ", "-"))
        shoot(f"tab-{slug}", window_id("Visualisierung"))


def main():
    app = wait_for("quendaris6 on the accessibility bus", application)
    {"tabs": tabs_scene, "message": message_scene}[SCENE](app)


if __name__ == "__main__":
    main()
