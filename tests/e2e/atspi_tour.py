#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The whole program as a screen reader user meets it, through AT-SPI.

Starts the real executable, finds its windows by their titles, presses its
buttons by their names, walks the tour through all 26 pages and back to the
main menu, presses every answer check box and reads the answer box, reads
the main menu's hint line after moving the real pointer (xdotool), goes
through one page with the keyboard (xdotool), and ends with "خروج", which
must end the process with status 0 and leave no window.

Every wait is on a condition, bounded by a timeout.

With FILORA_E2E_PLATFORM=wayland the program runs as a Wayland client
(run_atspi.sh wayland). No pointer can be moved, no key sent and no X window found
there (xdotool works on X11 only), so the hint line, the keys and the window
checks stay in the X11 run; instead it checks what weston saw of the windows.

A screen reader tells the pages that share a title apart by their places:
each page's description, and with Qt 6.8 and later an announcement of it
(Orca 48 and later read no description when a window appears). Each page
announces its place once after every show, when it is active and the focus
is in it; a page that is never active (none is on the headless weston)
announces nothing.

Usage: atspi_tour.py FILORA EXPECTED.json
"""

import json
import os
import re
import shlex
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Seconds for anything the program should do at once (more under valgrind).
WAIT = float(os.environ.get("FILORA_TEST_WAIT", "30"))
CALL_TIMEOUT_MS = 10000
WAYLAND = os.environ.get("FILORA_E2E_PLATFORM") == "wayland"
# The OK button of every message box, in Qt's Arabic words.
OK_WORD = "حسنًا"

# The page each button leads to along the tour, and the button to press.
TOUR = [
    ("Form1", "Command1"), ("Form24", "Command1"),
    ("Form2", "Command2"), ("Form3", "Command2"), ("Form4", "Command2"),
    ("Form5", "Command2"), ("Form6", "Command2"), ("Form25", "Command3"),
    ("Form7", "Command2"), ("Form8", "Command2"), ("Form9", "Command2"),
    ("Form10", "Command2"), ("Form11", "Command2"), ("Form12", "Command2"),
    ("Form13", "Command2"), ("Form14", "Command2"), ("Form26", "Command2"),
    ("Form15", "Command2"), ("Form16", "Command2"), ("Form17", "Command2"),
    ("Form18", "Command2"), ("Form19", "Command2"), ("Form20", "Command2"),
    ("Form21", "Command2"), ("Form22", "Command2"), ("Form23", "Command2"),
]


class Failure(Exception):
    pass


def deliver_events():
    """Runs the listeners for the AT-SPI events that have arrived."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        deliver_events()
        try:
            found = probe()
        except GLib.Error:
            found = None  # the object went away or is busy: look again
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def children(node):
    node.clear_cache()
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield child


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def checked(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.CHECKED)


def active(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.ACTIVE)


def of_role(node, role):
    return [n for n in descendants(node) if n.get_role() == role]


def act(node, action):
    # The untranslated action names ("Press", "Toggle"); the call that gives
    # them is marked deprecated in favour of the localized names.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [node.get_action_name(i) for i in range(node.get_n_actions())]
    if action not in names:
        raise Failure(f"{node.get_name()!r} offers {names}, not {action}")
    Atspi.Action.do_action(node, names.index(action))


def in_window(node, window):
    try:
        while node is not None and node.get_role() != Atspi.Role.FRAME:
            node = node.get_parent()
    except GLib.Error:
        return False  # gone, as a closed answer box is
    return node == window


class Events:
    """The announcements, and the controls that gained the focus, in the order they came."""

    def __init__(self):
        self.heard = []
        self._listener = Atspi.EventListener.new(self._on_event)
        for kind in ("object:announcement", "object:state-changed:focused"):
            if not self._listener.register(kind):
                raise Failure(f"cannot listen to {kind}")

    def _on_event(self, event):
        if event.type.startswith("object:announcement"):
            self.heard.append(("announcement", event.source, event.any_data))
        elif event.detail1:
            self.heard.append(("focus", event.source, None))

    def take(self):
        heard, self.heard = self.heard, []
        return heard


class Program:
    def __init__(self, executable):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if WAYLAND:
            del env["QT_QPA_PLATFORM"]  # the program's own choice, with no X server to fall back to
        self.output = tempfile.TemporaryFile()
        # FILORA_LAUNCHER, when set, starts the program (tools/valgrind.sh).
        launcher = shlex.split(os.environ.get("FILORA_LAUNCHER", ""))
        self.process = subprocess.Popen(launcher + [executable], env=env, stdout=self.output,
                                        stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.app = None

    def attach(self):
        self.app = wait_for("the program on the accessibility bus", self._find_app)

    def _find_app(self):
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if app.get_process_id() == self.process.pid:
                return app
        return None

    def windows(self, role):
        return [w for w in children(self.app) if w.get_role() == role and showing(w)]


def check_place_announced(events, page, window, expected):
    """The page, shown and active, announces its place once, after the focus moved into it.

    Takes the events that came since the page before was checked: nothing
    else announced anything meanwhile, neither an answer box nor a page made
    active again when its answer box closed.
    """
    place = expected[page]["description"]

    def announced():
        return any(kind == "announcement" for kind, _, _ in events.heard)
    wait_for(f"{page} to announce its place {place!r}", announced)
    heard = events.take()
    said = [(source, text) for kind, source, text in heard if kind == "announcement"]
    if [text for _, text in said] != [place] or said[0][0] != window:
        raise Failure(f"{page}: announced {[text for _, text in said]!r}, not once {place!r} by its window")
    before = heard[:[kind for kind, _, _ in heard].index("announcement")]
    if not any(kind == "focus" and in_window(source, window) for kind, source, _ in before):
        raise Failure(f"{page}: announced its place before the focus moved into it")


def page_window(program, page, expected):
    """The single showing window, which must be `page` by title, description and captions."""
    want = expected[page]

    def probe():
        frames = program.windows(Atspi.Role.FRAME)
        if len(frames) != 1 or frames[0].get_name() != want["title"]:
            return None
        if frames[0].get_description() != want["description"]:
            return None
        labels = [n.get_name() for n in of_role(frames[0], Atspi.Role.LABEL)]
        # A caption empty when the page was built is the main menu's hint line,
        # which may hold any hint by now.
        for caption in want["labels"]:
            if caption and caption in labels:
                labels.remove(caption)
        return frames[0] if len(labels) == want["labels"].count("") else None

    return wait_for(f"{page} (title {want['title']!r}, description {want['description']!r}) "
                    "to be the one window shown", probe)


def press_button(window, caption):
    buttons = [b for b in of_role(window, Atspi.Role.PUSH_BUTTON) if b.get_name() == caption]
    if len(buttons) != 1:
        raise Failure(f"{len(buttons)} buttons named {caption!r}")
    act(buttons[0], "Press")


def read_answers(program, page, window, expected):
    """Presses every answer check box of the page and reads its answer box."""
    boxes = of_role(window, Atspi.Role.CHECK_BOX)
    want = {b["description"]: b for b in expected[page]["boxes"]}
    if sorted(b.get_description() for b in boxes) != sorted(want):
        raise Failure(f"{page}: check box descriptions differ")
    for box in boxes:
        slot = want[box.get_description()]
        if box.get_name() != "الجواب" or checked(box):
            raise Failure(f"{page} {slot['name']}: not an unticked 'الجواب' box")
        # The box's handler shows a modal answer box, so the Toggle call gets
        # its reply only once that box is closed: do not wait for it.
        Atspi.set_timeout(200, -1)
        try:
            act(box, "Toggle")
        except GLib.Error:
            pass
        finally:
            Atspi.set_timeout(CALL_TIMEOUT_MS, -1)
        alert = wait_for(f"{page} {slot['name']}: the answer box",
                         lambda: next(iter(program.windows(Atspi.Role.ALERT)), None))
        texts = [n.get_name() for n in of_role(alert, Atspi.Role.LABEL) if showing(n)]
        name = slot["title"] or slot["prompt"]
        if texts != [slot["prompt"]] or alert.get_name() != name:
            raise Failure(f"{page} {slot['name']}: the answer box reads {alert.get_name()!r} {texts!r}, "
                          f"not {name!r} {slot['prompt']!r}")
        ok = of_role(alert, Atspi.Role.PUSH_BUTTON)
        if [b.get_name() for b in ok] != [OK_WORD]:
            raise Failure(f"{page}: the answer box's buttons are {[b.get_name() for b in ok]!r}, not {OK_WORD!r}")
        act(ok[0], "Press")
        wait_for(f"{page} {slot['name']}: the answer box to close",
                 lambda: not program.windows(Atspi.Role.ALERT))
        wait_for(f"{page} {slot['name']}: the tick", lambda: checked(box))
        # The keyboard is back on the page (Xvfb runs no window manager to do it).
        # On Wayland only the compositor activates windows; the headless weston
        # has no seat, so it activates none.
        if not WAYLAND:
            wait_for(f"{page} {slot['name']}: the page to be active again", lambda: active(window))
    return len(boxes)


def read_hints(window, expected):
    """Moves the real pointer over each button, then over bare window."""
    hint_line = of_role(window, Atspi.Role.LABEL)[1]  # the banner, then the hint line
    targets = [(b, expected["Form1"]["hints"][b.get_name()]) for b in of_role(window, Atspi.Role.PUSH_BUTTON)]
    targets.append((window, expected["Form1"]["windowHint"]))
    for target, hint in targets:
        box = target.get_extents(Atspi.CoordType.SCREEN)
        x, y = (box.x + 4, box.y + 4) if target is window else (box.x + box.width // 2, box.y + box.height // 2)
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True, timeout=WAIT)

        def shows_hint():
            hint_line.clear_cache()
            return hint_line.get_name() == hint
        wait_for(f"the hint {hint!r} over {target.get_name()!r}", shows_hint)
    return len(targets)


def focused(node):
    node.clear_cache()
    return node.get_state_set().contains(Atspi.StateType.FOCUSED)


def keyboard_path(program, page, window):
    """The page without a pointer.

    Every button and answer box takes the focus. On X11 the real keys follow:
    Tab visits each of them once in a round, Space on an answer box shows its
    answer box, Return closes that and the focus is back on the answer box.
    No key can be sent on Wayland (xdotool works on X11 only) and the focus
    shows only in an active window, which the headless weston makes of none.
    """
    controls = of_role(window, Atspi.Role.PUSH_BUTTON) + of_role(window, Atspi.Role.CHECK_BOX)
    for control in controls:
        if not control.get_state_set().contains(Atspi.StateType.FOCUSABLE) or \
                not Atspi.Component.grab_focus(control):
            raise Failure(f"{page}: {control.get_name()!r} does not take the focus")
    if WAYLAND:
        return f"{len(controls)} controls take the focus"

    def key(name):
        subprocess.run(["xdotool", "key", name], check=True, timeout=WAIT)

    def focus_moved_from(previous):
        return lambda: [i for i, c in enumerate(controls) if i != previous and focused(c)]

    last = len(controls) - 1  # an answer box, which has the focus now
    wait_for(f"{page}: the focus on the last answer box", lambda: focused(controls[last]))
    visited = []
    for _ in controls:
        key("Tab")
        visited += wait_for(f"{page}: the focus to move on Tab", focus_moved_from(visited[-1] if visited else last))
    if sorted(visited) != list(range(len(controls))) or visited[-1] != last:
        raise Failure(f"{page}: a round of Tab visits the controls {visited}")
    key("space")
    wait_for(f"{page}: the answer box on Space", lambda: program.windows(Atspi.Role.ALERT))
    key("Return")
    wait_for(f"{page}: the answer box to close on Return", lambda: not program.windows(Atspi.Role.ALERT))
    wait_for(f"{page}: the focus back on the answer box", lambda: active(window) and focused(controls[last]))
    return f"Tab reaches all {len(controls)} controls, Space shows an answer and Return closes it"


def windows_of(pid):
    """The X windows that carry the process id."""
    found = subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True, text=True, timeout=WAIT)
    return found.stdout.split()


def check_compositor_log(path, pid, expected):
    """What weston saw of the program's windows (its "proto" log scope).

    Every toplevel carries the app id and is drawn at the output's scale; the
    pages come and go in tour order with their exact titles, each asked for
    before the one before it is hidden; every answer box is the child of the
    page it was opened on.
    """
    # weston 14 and later name the client's process after it: there the
    # program is the client of its process id, in weston 10 the first to make
    # an xdg surface (weston's own shell makes none).
    pattern = re.compile(r"client (\S+)(?: \(PID (\d+)\))? rq (?:xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)"
                         r"|xdg_toplevel@(\d+)\.(set_title|set_app_id|set_parent|destroy)\((.*)\)"
                         r"|xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)"
                         r"|wl_surface@(\d+)\.set_buffer_scale\((\d+)\))$")
    scale = os.environ.get("FILORA_E2E_SCALE", "1")
    surfaces, unscaled = {}, set()  # xdg_surface to wl_surface; toplevel surfaces still without a scale
    toplevels, pages, boxes, app_ids, program = {}, [], 0, set(), None
    page, page_shown = None, False  # the toplevel of the page shown last
    with open(path, encoding="utf-8", errors="replace") as log:
        for line in log:
            found = pattern.search(line.rstrip("\n"))
            if not found:
                continue
            client, process, xdg_surface, created, object_id, request, argument, new_surface, wl_surface, scaled, \
                factor = found.groups()
            if program is None and (process == str(pid) if process else new_surface):
                program = client
            if client != program:
                continue  # weston's own shell
            if new_surface:
                surfaces[new_surface] = wl_surface
            elif scaled:
                if factor != scale:
                    raise Failure(f"a window is drawn at scale {factor}, not {scale}")
                unscaled.discard(scaled)
            elif created:
                toplevels[created] = None  # its parent
                unscaled.add(surfaces[xdg_surface])
            elif request == "set_parent" and argument != "nil":
                toplevels[object_id] = argument.removeprefix("xdg_toplevel@")
            elif request == "set_app_id":
                app_ids.add(argument[1:-1])
            elif request == "set_title" and toplevels[object_id] is None:
                pages.append(argument[1:-1])
                if page is not None and not page_shown:
                    raise Failure(f"the page {pages[-1]!r} was asked for after the one before it was hidden")
                page, page_shown = object_id, True
            elif request == "set_title":
                if toplevels[object_id] != page or not page_shown:
                    raise Failure(f"an answer box after the pages {pages} is not the child of the page shown")
                boxes += 1
            elif request == "destroy":
                del toplevels[object_id]
                page_shown = page_shown and object_id != page
    if unscaled:
        raise Failure(f"{len(unscaled)} windows are drawn at scale 1, not {scale}")
    want = [expected[p]["title"] for p, _ in TOUR] + [expected["Form1"]["title"]]
    if pages != want:
        raise Failure(f"weston saw the pages titled {pages}, not {want}")
    if app_ids != {"org.example.filora"}:
        raise Failure(f"weston saw the app ids {app_ids}")
    return boxes


def main():
    executable, expected_file = sys.argv[1], sys.argv[2]
    with open(expected_file, encoding="utf-8") as f:
        expected = json.load(f)
    # Pages that share a title are told apart by their descriptions.
    places = [expected[page]["description"] for page, _ in TOUR]
    if "" in places or len(set(places)) != len(TOUR):
        print("FAILED: the pages' descriptions are not all there and distinct:", places)
        return 1
    Atspi.set_timeout(CALL_TIMEOUT_MS, -1)
    started = time.monotonic()
    events = Events()  # before the program starts, which asks then what is listened to
    program = Program(executable)

    def shown(page):
        window = page_window(program, page, expected)
        if announcing:
            check_place_announced(events, page, window, expected)
        return window

    try:
        program.attach()
        # Qt makes announcements from 6.8 on; where no page becomes active
        # (the headless weston) none announces.
        toolkit = program.app.get_toolkit_version()
        announcing = tuple(int(n) for n in toolkit.split(".")[:2]) >= (6, 8) and not WAYLAND
        window = page_window(program, "Form1", expected)  # its announcement is checked on the tour
        print(f"Form1 shown with its title {expected['Form1']['title']!r}; "
              f"{'no' if WAYLAND else read_hints(window, expected)} hints read")
        answers = 0
        for page, button in TOUR:
            window = shown(page)
            if expected[page]["boxes"]:
                count = read_answers(program, page, window, expected)
                answers += count
                print(f"{page}: {count} answers read")
            if page == "Form2":
                print(f"{page}: {keyboard_path(program, page, window)}")
            press_button(window, expected[page]["buttons"][button])
        window = shown("Form1")
        print(f"back at Form1 after {len(TOUR)} pages; {answers} answers read in all")
        if answers != 159:
            raise Failure(f"{answers} answers read, not 159")

        if not WAYLAND and not windows_of(program.process.pid):
            raise Failure("xdotool finds no window of the running program")
        Atspi.set_timeout(1000, -1)
        try:
            press_button(window, expected["Form1"]["buttons"]["Command2"])  # "خروج"
        except GLib.Error:
            pass  # the process may end before it replies
        status = program.process.wait(timeout=WAIT)
        if status != 0:
            raise Failure(f"exit status {status}")
        if not WAYLAND and windows_of(program.process.pid):
            raise Failure("windows left after exit")
        deliver_events()
        said = [text for kind, _, text in events.take() if kind == "announcement"]
        if said:
            raise Failure(f"announced {said!r}, where nothing was to be announced")
        print("every page announced its place when shown" if announcing else
              f"no page announced anything (Qt {toolkit}{', never active' if WAYLAND else ''})")
        if WAYLAND:
            boxes = check_compositor_log(os.environ["FILORA_E2E_COMPOSITOR_LOG"], program.process.pid, expected)
            print(f"weston saw every page in order with its title and app id, and {boxes} answer boxes")
            if boxes != 159:
                raise Failure(f"weston saw {boxes} answer boxes, not 159")
        print(f"exit status 0{'' if WAYLAND else ', no window left'}; {time.monotonic() - started:.1f} s in all")
    except Failure as failure:
        print("FAILED:", failure)
        if program.process.poll() is None:
            program.process.kill()
        program.process.wait(timeout=WAIT)
        program.output.seek(0)
        print(program.output.read().decode(errors="replace"))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
