#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""End-to-end test of the real program.

Starts the built executable in the display DISPLAY names, types and clicks
with real X input events (xdotool), and reads the windows back through the
accessibility bus (AT-SPI). Run it in a private display, inside a D-Bus
session of its own, for example:

    scripts/with-xvfb.sh dbus-run-session -- /usr/bin/python3 tests/e2e/e2e_test.py build/dev/quorvel

Every wait is on a condition, with a time limit; there are no fixed sleeps.
Keys go one step at a time, each until its effect shows: Qt's accessibility
bridge holds each key back until the screen readers' registry has had a
look at it, and on a busy machine a key may then go to the control that had
the focus when it came, or be lost, and the Alt of an Alt+key may reach the
menu bar alone, which then takes the focus; a user would press the key
again, or Esc, and so does this test, up to three times.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# Fifteen seconds for each wait on an idle machine, more on a busy one: the
# load is shared among its cores.
TIMEOUT = 15.0 * max(1.0, os.getloadavg()[0] / (os.cpu_count() or 1))
# A start-up also brings up the accessibility bus, which waits on D-Bus: on a
# machine that has just become busy it takes longer than the load of the
# minute before says.
START_TIMEOUT = 4 * TIMEOUT


class Failure(Exception):
    pass


def wait_for(what, predicate, timeout=None):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + (TIMEOUT if timeout is None else timeout)
    last_error = None
    while time.monotonic() < deadline:
        context = GLib.MainContext.default()
        while context.pending():  # deliver the accessibility events that came
            context.iteration(False)
        try:
            value = predicate()
            if value:
                return value
        except Exception as error:  # the tree changes under our feet
            last_error = error
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))


def retry(what, attempt, done=None, tries=3):
    """Makes `attempt` up to `tries` times, each followed by a wait of up to a
    third of the time limit for `done` (the attempt's own result if none)."""
    for _ in range(tries):
        if attempt() or (done is not None and wait_for_quietly(done, TIMEOUT / 3)):
            return
    raise Failure(f"{what} did not happen in {tries} tries")


def wait_for_quietly(predicate, timeout):
    try:
        return wait_for("", predicate, timeout)
    except Failure:
        return False


class Program:
    def __init__(self, executable, locale="C"):
        self.runtime_dir = tempfile.TemporaryDirectory()
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", LC_ALL=locale, XDG_RUNTIME_DIR=self.runtime_dir.name)
        env.pop("LANGUAGE", None)
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([executable], env=env)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=TIMEOUT)
        return result.stdout.strip() if result.returncode == 0 else None

    def application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, name):
        app = self.application()
        if app is None:
            return None
        for window in app:
            if window is not None and window.name == name:
                return window
        return None

    def focus(self, title):
        window_id = wait_for(f"X window {title!r}", lambda: self.xdotool("search", "--name", f"^{title}$"))
        self.xdotool("windowfocus", "--sync", window_id.split()[0])

    def property(self, title, name):
        """The X property `name` of the window titled `title`, as xprop prints it."""
        window_id = wait_for(f"X window {title!r}", lambda: self.xdotool("search", "--name", f"^{title}$"))
        result = subprocess.run(["xprop", "-id", window_id.split()[0], name],
                                capture_output=True, text=True, timeout=TIMEOUT)
        return result.stdout

    def visible_windows(self):
        found = self.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid))
        return len(found.split()) if found else 0

    def open_about(self):
        """Help > About with the keyboard, once the menu is really open."""
        before = self.visible_windows()

        def about_open():
            return self.window("About Quorvel") is not None

        def choose():
            if about_open():
                return True
            if self.visible_windows() == before:
                self.press_until("alt+h", lambda: self.visible_windows() > before, "the Help menu")
                self.keys("Down")
            # A menu left open (its Return lost) takes Return now; one whose
            # Down was lost closes, and is opened again next time.
            self.keys("Return")
            return about_open()
        retry("About to open", choose, about_open)

    def press_until(self, keys, predicate, what):
        """Presses `keys` until `predicate` holds."""
        def pressed():
            self.keys(keys)
            return predicate()
        retry(what, pressed, lambda: predicate())

    def move_focus(self, keys, start, target):
        """Moves the focus from the box named by `start` to the one named by
        `target` with `keys`, pressed again only while it has not left `start`."""
        def moved():
            if menu_bar_focused(self):
                # Alt of an Alt+key that the bridge held back, seen alone
                # by the menu bar, which took the focus: Esc gives it back.
                self.keys("Escape")
                wait_for_quietly(lambda: not menu_bar_focused(self), TIMEOUT / 3)
            if focused(self, start):
                self.keys(keys)
            return focused(self, target)
        retry(f"the focus to move to {target!r}", moved, lambda: focused(self, target))

    def type_into(self, prompt, text):
        """Types `text` into the focused box named by `prompt`, over what it held."""
        def typed():
            if box_text(self, prompt) != text:
                self.keys("ctrl+a")
                self.keys("BackSpace")
                if text:
                    self.type(text)
            return box_text(self, prompt) == text
        retry(f"{text!r} typed", typed, lambda: box_text(self, prompt) == text)

    def keys(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    def paste(self, data):
        """Ctrl+V of `data` (bytes), which another program holds on the
        clipboard, over the focused box's text."""
        holder = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        try:
            holder.stdin.write(data)
            holder.stdin.close()
            wait_for("the clipboard to hold the text", lambda: subprocess.run(
                ["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                timeout=TIMEOUT).stdout == data)
            self.keys("ctrl+a", "ctrl+v")
            # Whether the toolkit keeps the line breaks (Qt's box does) is its own affair.
            wait_for("the paste", lambda: text_of(self.focused_box()).strip("\r\n")
                     == data.decode().strip("\r\n"))
        finally:
            holder.kill()
            holder.wait()

    def focused_box(self):
        return find(self.window("Morlith"), lambda n: n.getRoleName() == "text"
                    and n.getState().contains(pyatspi.STATE_FOCUSED))


def find(root, predicate):
    return pyatspi.findDescendant(root, lambda node: node is not None and predicate(node))


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return node.name


def box(program, prompt):
    """The text box named by the prompt that starts with `prompt`."""
    main = program.window("Morlith")
    return find(main, lambda n: n.getRoleName() == "text" and n.name.startswith(prompt))


def focused(program, prompt):
    node = box(program, prompt)
    return node is not None and node.getState().contains(pyatspi.STATE_FOCUSED)


def menu_bar_focused(program):
    main = program.window("Morlith")
    bar = find(main, lambda n: n.getRoleName() == "menu bar")
    return bar is not None and bar.getState().contains(pyatspi.STATE_FOCUSED)


def box_text(program, prompt):
    node = box(program, prompt)
    return text_of(node) if node is not None else None


def label_text(window, starts_with):
    node = find(window, lambda n: n.getRoleName() == "label" and text_of(n).startswith(starts_with))
    return text_of(node) if node else None


RESULT_NAME = "Hyperfocal distance: "
FOCAL = "Enter your focal length"
APERTURE = "Enter your aperature"


def result_spoken(program):
    """The result as the result label's accessible name carries it, "3.42 ft."."""
    main = program.window("Morlith")
    node = find(main, lambda n: n.name.startswith(RESULT_NAME))
    return node.name[len(RESULT_NAME):] if node else None


class Notifications:
    """The names of the notifications the program shows to screen readers,
    which speak each one as it is shown."""

    def __init__(self):
        self.names = []
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")

    def on_showing(self, event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.names.append(event.source.name)


def check(condition, message):
    if not condition:
        raise Failure(message)
    print(f"ok: {message}", flush=True)


def run(executable):
    if not os.environ.get("DISPLAY"):
        raise Failure("no DISPLAY: run it in a private display (scripts/with-xvfb.sh)")
    notifications = Notifications()
    program = Program(executable)
    try:
        main = wait_for("the main window on the accessibility bus", lambda: program.window("Morlith"),
                        START_TIMEOUT)
        check(main.name == "Morlith", "the main window is titled Morlith")
        focal = find(main, lambda n: n.getRoleName() == "text")
        row = [(n.getRoleName(), n.name) for n in focal.parent][:3]
        check(row == [("label", "Enter your focal length: "), ("text", "Enter your focal length: "),
                      ("label", "  mm")], f"the first row reads prompt, box, unit: {row}")

        program.focus("Morlith")
        wait_for("the focus in the focal length", lambda: focused(program, FOCAL))
        program.type_into(FOCAL, "200")
        program.move_focus("Tab", FOCAL, APERTURE)
        program.type_into(APERTURE, "2.8")
        program.press_until("alt+c", lambda: result_spoken(program) == "156.24 ft.",
                            "the worked result")
        check(True, "200 mm at f/2.8 gives 156.24 ft.")
        heard = "Hyperfocal distance: 156.24 ft."
        wait_for("the result's notification", lambda: notifications.names)
        program.press_until("alt+c", lambda: len(notifications.names) >= 2,
                            "the same result's notification again")
        check(notifications.names == [heard] * len(notifications.names),
              "each result, the same one again too, is shown to screen readers as a notification")

        # An empty focal length: the error box, then a program that still answers.
        program.move_focus("shift+Tab", APERTURE, FOCAL)
        program.type_into(FOCAL, "")
        program.press_until("alt+c", lambda: program.window("Quorvel"), "the error box")
        box = wait_for("the error box", lambda: program.window("Quorvel"))
        report = wait_for("the error text", lambda: label_text(box, "Error "))
        check("1001" in report and "focal length" in report, f"the error box reports: {report!r}")
        program.press_until("Return", lambda: program.window("Quorvel") is None,
                            "the error box to close")
        check(result_spoken(program) == "156.24 ft.", "the result keeps its caption")
        # No help from here: closing the box must put the cursor back in
        # the box at fault by itself.
        wait_for("the focus back in the focal length", lambda: focused(program, FOCAL))
        program.type_into(FOCAL, "35")
        program.press_until("alt+c", lambda: result_spoken(program) == "4.78 ft.",
                            "the program to answer again")
        check(program.process.poll() is None, "35 mm at f/2.8 gives 4.78 ft. after the error")

        # Pasted from other programs: the box keeps the line break or the
        # invisible character, which stands around the number or inside it.
        program.paste(b"50\n")
        program.move_focus("Tab", FOCAL, APERTURE)
        program.paste("\u200e-8\r\n".encode())
        program.press_until("alt+c", lambda: result_spoken(program) == "-3.42 ft.",
                            "the pasted numbers' result")
        wait_for("its notification", lambda: notifications.names[-1:] == ["Hyperfocal distance: -3.42 ft."])
        check(True, 'pasted "50\\n" and "\\u200e-8\\r\\n" give -3.42 ft., heard with a blank before the minus')
        program.move_focus("shift+Tab", APERTURE, FOCAL)
        program.paste("5\u200b0".encode())
        program.press_until("alt+c", lambda: program.window("Quorvel"), "the error box")
        box = wait_for("the error box", lambda: program.window("Quorvel"))
        report = wait_for("the error text", lambda: label_text(box, "Error "))
        check("1001" in report and "cannot be seen" in report, f"the error box reports: {report!r}")
        program.press_until("Return", lambda: program.window("Quorvel") is None,
                            "the error box to close")

        # About, from the menu with the keyboard.
        program.open_about()
        about = wait_for("the About window", lambda: program.window("About Quorvel"))
        check(wait_for("the title", lambda: label_text(about, "Quorvel") == "Quorvel"),
              "About shows the title Quorvel")
        check(wait_for("the version", lambda: label_text(about, "Version") == "Version 1.0.0"),
              "About shows Version 1.0.0")
        state = program.property("About Quorvel", "_NET_WM_STATE")
        kind = program.property("About Quorvel", "_NET_WM_WINDOW_TYPE")
        check("_NET_WM_STATE_SKIP_TASKBAR" in state and "_NET_WM_WINDOW_TYPE_DIALOG" in kind,
              "About asks to stay out of the task bar and stays a dialog")
        program.focus("About Quorvel")
        program.press_until("Escape", lambda: program.window("About Quorvel") is None,
                            "Esc to close About")
        check(True, "Esc closes the About window")

        # Exit with the About window open ends the program and both windows.
        program.focus("Morlith")
        program.open_about()
        wait_for("About again", lambda: program.window("About Quorvel"))
        program.focus("Morlith")
        program.press_until("alt+x", lambda: program.process.poll() is not None, "Alt+X to end it")
        code = program.process.wait(timeout=TIMEOUT)
        check(code == 0, "Alt+X with About open ends the program")
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()


def run_in_arabic(executable):
    """The program in an Arabic desktop: its texts, the spoken result and
    the error report in Arabic, the result in its own form."""
    notifications = Notifications()
    program = Program(executable, locale="ar_EG.UTF-8")
    try:
        main = wait_for("the main window on the accessibility bus", lambda: program.window("Morlith"),
                        START_TIMEOUT)
        check(wait_for("the prompt", lambda: label_text(main, "أدخل البعد البؤري")),
              "the prompts are in Arabic")
        program.focus("Morlith")
        focal, aperture = "أدخل البعد البؤري", "أدخل فتحة العدسة"
        wait_for("the focus in the focal length", lambda: focused(program, focal))
        program.type_into(focal, "50")
        program.move_focus("Tab", focal, aperture)
        program.type_into(aperture, "8")
        heard = "المسافة فوق البؤرية: 3.42 ft."
        # The access keys are Arabic letters: Calculate is reached with Tab.
        program.press_until("Tab", lambda: not focused(program, aperture), "the focus on Calculate")
        program.press_until("space", lambda: heard in notifications.names, "the result's notification")
        check(notifications.names[-1] == heard, f"the result is spoken in Arabic: {heard!r}")
        program.press_until("shift+Tab", lambda: focused(program, aperture), "the focus back")
        program.move_focus("shift+Tab", aperture, focal)
        program.type_into(focal, "")
        program.move_focus("Tab", focal, aperture)
        program.press_until("Tab", lambda: not focused(program, aperture), "the focus on Calculate")
        program.press_until("space", lambda: program.window("Quorvel"), "the error box")
        box = wait_for("the error box", lambda: program.window("Quorvel"))
        report = wait_for("the error text", lambda: label_text(box, "خطأ "))
        check("1001" in report and "البعد البؤري" in report, f"the error box reports: {report!r}")
        program.press_until("Return", lambda: program.window("Quorvel") is None,
                            "the error box to close")
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()


def run_checks(script, name, *runs):
    """The command line of a test script: each of `runs` given the program
    named by the one argument; exit code 0 when all their checks pass."""
    if len(sys.argv) != 2:
        print(f"usage: {script} PATH-TO-QUORVEL", file=sys.stderr)
        return 2
    try:
        for run_one in runs:
            run_one(os.path.abspath(sys.argv[1]))
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"{name}: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(run_checks("e2e_test.py", "end-to-end", run, run_in_arabic))
