# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the game's main window from the accessibility bus, as a screen reader does, and
# checks that each control says what it is and what it shows. Run by atspi_test.sh.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# What each kind of control must be on the bus; nothing of the window is a bare "filler".
EXPECTED = {
    "label": 17, "push button": 7, "text": 2, "list": 3, "image": 1,
}


def find_game():
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "nl.toetsrace.Toetsrace" and app.get_child_count():
                return app
        time.sleep(0.1)
    sys.exit("FAIL: the game is not on the accessibility bus")


def main():
    window = find_game().get_child_at_index(0)
    problems = []
    if window.get_role_name() != "frame" or window.get_name() != "ToetsRace 0.27":
        problems.append(f"window: {window.get_role_name()} '{window.get_name()}'")
    counts = {}
    for i in range(window.get_child_count()):
        control = window.get_child_at_index(i)
        role, name = control.get_role_name(), control.get_name()
        counts[role] = counts.get(role, 0) + 1
        if role not in EXPECTED or not name.strip():
            problems.append(f"{role} '{name}'")
    if counts != EXPECTED:
        problems.append(f"roles {counts}, expected {EXPECTED}")
    for role, name in [("label", "Score: 0"), ("label", "Score over voor huidige woord:"),
                       ("label", "Woord: test"), ("push button", "Start Level 1"),
                       ("text", "Typ hier het woord")]:
        if not any(window.get_child_at_index(i).get_role_name() == role
                   and window.get_child_at_index(i).get_name() == name
                   for i in range(window.get_child_count())):
            problems.append(f"no {role} '{name}'")
    if problems:
        sys.exit("FAIL: " + "; ".join(problems))
    print(f"atspi: {window.get_child_count()} controls, each with its role and name")


main()
