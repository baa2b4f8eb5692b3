# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the game's main window from the accessibility bus, as a screen reader does, and
# checks that each control says what it is and what it shows; with a window's title as
# its argument, that window's shown controls instead; with --typed and a process number,
# prints what that game's typing box holds; with --active, a process number and a title,
# waits until that window has the keyboard. Run by atspi_test.sh.
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


def shown_controls(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None and child.get_state_set().contains(Atspi.StateType.SHOWING):
            yield child
            yield from shown_controls(child) if child.get_role_name() == "panel" else ()


# Every shown control of the window titled `title`: a role that says what it is, a name.
def check_window(title):
    for _ in range(100):
        game = find_game()
        windows = [game.get_child_at_index(i) for i in range(game.get_child_count())]
        found = [w for w in windows if w is not None and w.get_name() == title]
        if found:
            break
        time.sleep(0.1)
    else:
        names = [w.get_name() if w is not None else None for w in windows]
        sys.exit(f"FAIL: no window '{title}' on the accessibility bus, only {names}")
    problems = []
    controls = list(shown_controls(found[0]))
    for control in controls:
        role, name = control.get_role_name(), control.get_name()
        if role in ("filler", "unknown") or not name.strip():
            problems.append(f"{role} '{name}'")
    if not any(c.get_role_name() == "push button" and c.get_name() == "Begin" for c in controls):
        problems.append("no push button 'Begin'")
    if problems:
        sys.exit(f"FAIL ({title}): " + "; ".join(problems))
    print(f"atspi: {title}: {len(controls)} shown controls, each with its role and name")


def windows_of(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            yield from (w for w in (app.get_child_at_index(j) for j in range(app.get_child_count()))
                        if w is not None)


# What the typing box of the game with process `pid` holds, as a screen reader reads it.
def typed_text(pid):
    for _ in range(100):
        for window in windows_of(pid):
            for c in range(window.get_child_count()):
                control = window.get_child_at_index(c)
                if control.get_role_name() == "text" and control.get_name() == "Typ hier het woord":
                    return Atspi.Text.get_text(control, 0, -1)
        time.sleep(0.1)
    sys.exit(f"FAIL: no typing box of process {pid} on the accessibility bus")


# Waits until the window titled `title` of process `pid` has the keyboard.
def wait_active(pid, title):
    for _ in range(100):
        if any(w.get_name() == title and w.get_state_set().contains(Atspi.StateType.ACTIVE)
               for w in windows_of(pid)):
            return
        time.sleep(0.1)
    sys.exit(f"FAIL: the window '{title}' of process {pid} never got the keyboard")


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--typed":
        print(typed_text(int(sys.argv[2])))
        return
    if len(sys.argv) > 3 and sys.argv[1] == "--active":
        wait_active(int(sys.argv[2]), sys.argv[3])
        return
    if len(sys.argv) > 1:
        check_window(sys.argv[1])
        return
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
