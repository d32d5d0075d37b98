"""The worked example through the AT-SPI bus, as a Linux screen reader meets the program.

    worked_example.py QUORVEL_PROGRAM EXPECTED_RESULT RULE_RESULT

Runs inside a private session bus (dbus-run-session) on an X server named by DISPLAY, with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 so that Qt publishes the window without a screen reader
running. Starts the program, prints the window's accessible tree (role and name of each
control), finds the three weight fields by their names, focuses each through AT-SPI and types
its figure with real key events, presses Enter, and reads the result from the field named
"Minimum horsepower required". Then presses Exit through AT-SPI and expects status 0.

Meanwhile it listens for what the program announces without moving the focus: the result once
per Calculate (Enter in a field, Space on the button, RULE_RESULT after the force-and-efficiency
notice), nothing for a refused figure, and Reset; each press is counted once the next one's
announcement has come, so that a second one of the same press cannot pass unseen.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTION = " Quorvel             www.quorvel.example"
RESULT_FIELD = "Minimum horsepower required"
WEIGHTS = [
    ("Weight of the complete car (Lb)", "3000"),
    ("Weight of the plunger(s) (Lb)", "1000"),
    ("Rated load (Lb)", "2500"),
]
PRESET_FIELDS = ["Rated speed (FPM)", "Foot pounds-force/minute", "System efficiency ( % )"]
FORCE_FIELD = PRESET_FIELDS[1]
RESET_ANNOUNCEMENT = "Fields reset to their start values"
WAIT_SECONDS = 30


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=WAIT_SECONDS):
    """The first true answer of probe() within the time, polled; Failure naming what otherwise.
    Events that arrived meanwhile are handed to their listeners first."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        answer = probe()
        if answer:
            return answer
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


def children(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def application_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.get_process_id() == pid:
            return app
    return None


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def print_tree(node, depth=0):
    """Role and name of each control, and the label that names it where there is one. The
    items of a preset list go on one line."""
    line = f"{'  ' * depth}{node.getRoleName()} \"{node.name}\""
    labels = labelled_by(node)
    if labels:
        line += f"  (labelled by \"{labels[0]}\")"
    print(line)
    items = list(children(node))
    if items and all(item.getRole() == pyatspi.ROLE_LIST_ITEM for item in items):
        names = ", ".join(f'"{item.name}"' for item in items)
        print(f"{'  ' * (depth + 1)}list item x{len(items)}: {names}")
        return
    for child in items:
        print_tree(child, depth + 1)


def find(window, role, name):
    for node in descendants(window):
        if node.getRole() == role and node.name == name:
            return node
    raise Failure(f"no {role.value_nick} named \"{name}\"")


def text_of(node):
    text = node.queryText()
    return text.getText(0, -1)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=WAIT_SECONDS)


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Failure(f"\"{button.name}\" offers no Press action, only {names}")
    action.doAction(names.index("Press"))


class Announcements:
    """What the program says unasked: notifications shown, or Qt's own announcements."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:showing",
                                               "object:announcement")

    def on_event(self, event):
        if event.type == "object:announcement":
            self.heard.append(event.any_data)
        elif event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.heard.append(event.source.name)

    def wait(self, count):
        wait_for(f"announcement {count}", lambda: len(self.heard) >= count)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def close_notice(app, title, x_window):
    """Closes the notice with this title by Return, once its OK button has the focus, and sees
    that the window behind it has the input focus again, as a window manager gives it."""
    def notice():
        return next((w for w in children(app)
                     if w.getRole() == pyatspi.ROLE_ALERT and w.name == title), None)
    ok = find(wait_for(f"the notice \"{title}\"", notice), pyatspi.ROLE_PUSH_BUTTON, "OK")
    wait_for(f"the focus on OK in \"{title}\"", lambda: focused(ok))
    xdotool("key", "Return")
    wait_for(f"the notice \"{title}\" closed", lambda: notice() is None)
    xdotool("windowfocus", "--sync", x_window)


def announcements_and_focus(app, window, x_window, announcements, expected, rule_result):
    """After the worked example's Enter in a field: Calculate by Space on the button, then after
    the force-and-efficiency notice; Reset; a refused car weight; Reset again."""
    calculate = find(window, pyatspi.ROLE_PUSH_BUTTON, "Calculate")
    car = find(window, pyatspi.ROLE_TEXT, WEIGHTS[0][0])
    result = f"{RESULT_FIELD} {expected}"

    announcements.wait(1)
    xdotool("key", "space")
    announcements.wait(2)
    if not focused(calculate):
        raise Failure("the focus left Calculate when the result was announced")

    force = find(window, pyatspi.ROLE_TEXT, FORCE_FIELD)
    force.queryComponent().grabFocus()
    wait_for(f"the focus in \"{FORCE_FIELD}\"", lambda: focused(force))
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", "32000")
    xdotool("key", "Return")
    close_notice(app, "Foot Pounds-Force/Minute", x_window)
    announcements.wait(3)
    wait_for("the focus on Calculate after the notice", lambda: focused(calculate))

    xdotool("key", "alt+r")
    announcements.wait(4)
    wait_for("the focus in the car weight after Reset", lambda: focused(car))
    xdotool("key", "Return")
    close_notice(app, "Car Weight", x_window)
    wait_for("the focus in the refused car weight", lambda: focused(car))
    xdotool("key", "alt+r")
    announcements.wait(5)

    wanted = [result, result, f"{RESULT_FIELD} {rule_result}", RESET_ANNOUNCEMENT,
              RESET_ANNOUNCEMENT]
    if announcements.heard != wanted:
        raise Failure(f"announced {announcements.heard}, not {wanted}")
    print("announced, the focus staying put: " + "; ".join(f'"{a}"' for a in wanted))


def run(program, expected, rule_result):
    app_process = subprocess.Popen([program])
    try:
        app = wait_for("the program on the AT-SPI bus", lambda: application_of(app_process.pid))
        window = wait_for("its window", lambda: next(
            (w for w in children(app) if w.getRole() == pyatspi.ROLE_DIALOG), None))
        if window.name != CAPTION:
            raise Failure(f"window named \"{window.name}\"")
        print("The window as a screen reader sees it:")
        print_tree(window)
        print()

        for caption in PRESET_FIELDS:
            boxes = [n for n in descendants(window)
                     if n.getRole() == pyatspi.ROLE_COMBO_BOX and labelled_by(n) == [caption]]
            if len(boxes) != 1:
                raise Failure(f"{len(boxes)} combo boxes labelled by \"{caption}\"")

        # Key events go to the X window with the input focus; without a window manager nobody
        # gives it that, so the test does.
        x_window = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app_process.pid)],
            check=True, capture_output=True, text=True, timeout=WAIT_SECONDS).stdout.split()[0]
        xdotool("windowfocus", "--sync", x_window)

        for caption, figure in WEIGHTS:
            field = find(window, pyatspi.ROLE_TEXT, caption)
            field.queryComponent().grabFocus()
            wait_for(f"the focus in \"{caption}\"",
                     lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
            xdotool("type", "--delay", "20", figure)
            wait_for(f"\"{figure}\" in \"{caption}\"", lambda: text_of(field) == figure)
            print(f"typed {figure} into \"{caption}\"")

        result = find(window, pyatspi.ROLE_TEXT, RESULT_FIELD)
        if text_of(result) != "":
            raise Failure(f"\"{RESULT_FIELD}\" holds \"{text_of(result)}\" before Enter")
        announcements = Announcements()
        xdotool("key", "Return")
        try:
            wait_for(f"\"{expected}\" in \"{RESULT_FIELD}\"", lambda: text_of(result) == expected)
        except Failure:
            raise Failure(f"\"{RESULT_FIELD}\" reads \"{text_of(result)}\", not \"{expected}\"")
        print(f"read \"{text_of(result)}\" from \"{RESULT_FIELD}\"")
        announcements_and_focus(app, window, x_window, announcements, expected, rule_result)

        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
        status = app_process.wait(timeout=WAIT_SECONDS)
        if status != 0:
            raise Failure(f"the program ended with status {status} after Exit")
        print("pressed Exit through AT-SPI: the program ended with status 0")
    finally:
        if app_process.poll() is None:
            app_process.kill()
            app_process.wait()


def main():
    if len(sys.argv) != 4:
        print("usage: worked_example.py QUORVEL_PROGRAM EXPECTED_RESULT RULE_RESULT",
              file=sys.stderr)
        return 2
    try:
        run(*sys.argv[1:])
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
