#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""End-to-end test of the real program.

Starts the built executable in the display DISPLAY names, types and clicks
with real X input events (xdotool), and reads the windows back through the
accessibility bus (AT-SPI). Run it in a private display, inside a D-Bus
session of its own, for example:

    scripts/with-xvfb.sh dbus-run-session -- /usr/bin/python3 tests/e2e/e2e_test.py build/dev/quorvel

Every wait is on a condition, with a time limit; there are no fixed sleeps.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 15.0


class Failure(Exception):
    pass


def wait_for(what, predicate, timeout=TIMEOUT):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
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
        self.keys("alt+h")
        wait_for("the Help menu to open", lambda: self.visible_windows() > before)
        self.keys("Down", "Return")

    def keys(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)


def find(root, predicate):
    return pyatspi.findDescendant(root, lambda node: node is not None and predicate(node))


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return node.name


def label_text(window, starts_with):
    node = find(window, lambda n: n.getRoleName() == "label" and text_of(n).startswith(starts_with))
    return text_of(node) if node else None


RESULT_NAME = "Hyperfocal distance:"


def result_caption(program):
    """The result label's caption, as its accessible name carries it."""
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
        main = wait_for("the main window on the accessibility bus", lambda: program.window("Morlith"))
        check(main.name == "Morlith", "the main window is titled Morlith")

        program.focus("Morlith")
        program.type("200")
        program.keys("Tab")
        program.type("2.8")
        program.keys("alt+c")
        wait_for("the worked result", lambda: result_caption(program) == " 156.24 ft.")
        check(True, "200 mm at f/2.8 gives 156.24 ft.")
        heard = "Hyperfocal distance: 156.24 ft."
        wait_for("the result's notification", lambda: notifications.names == [heard])
        program.keys("alt+c")
        wait_for("the same result's notification again", lambda: notifications.names == [heard] * 2)
        check(True, "each result, the same one again too, is shown to screen readers as a notification")

        # An empty focal length: the error box, then a program that still answers.
        program.keys("shift+Tab", "ctrl+a", "BackSpace", "alt+c")
        box = wait_for("the error box", lambda: program.window("Quorvel"))
        report = wait_for("the error text", lambda: label_text(box, "Error "))
        check("1001" in report and "focal length" in report, f"the error box reports: {report!r}")
        program.keys("Return")
        wait_for("the error box to close", lambda: program.window("Quorvel") is None)
        check(result_caption(program) == " 156.24 ft.", "the result keeps its caption")
        # No help from here: closing the box must put the cursor back in
        # the box at fault by itself.
        program.type("35")
        program.keys("alt+c")
        wait_for("the program to answer again", lambda: result_caption(program) == " 4.78 ft.")
        check(program.process.poll() is None, "35 mm at f/2.8 gives 4.78 ft. after the error")

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
        program.keys("Escape")
        wait_for("Esc to close About", lambda: program.window("About Quorvel") is None)
        check(True, "Esc closes the About window")

        # Exit with the About window open ends the program and both windows.
        program.focus("Morlith")
        program.open_about()
        wait_for("About again", lambda: program.window("About Quorvel"))
        program.focus("Morlith")
        program.keys("alt+x")
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
        main = wait_for("the main window on the accessibility bus", lambda: program.window("Morlith"))
        check(wait_for("the prompt", lambda: label_text(main, "أدخل البعد البؤري")),
              "the prompts are in Arabic")
        program.focus("Morlith")
        program.type("50")
        program.keys("Tab")
        program.type("8")
        program.keys("Tab", "space")
        heard = "المسافة البؤرية الفائقة: 3.42 ft."
        wait_for("the result's notification", lambda: notifications.names == [heard])
        check(True, f"the result is spoken in Arabic: {heard!r}")
        program.keys("shift+Tab", "shift+Tab", "ctrl+a", "BackSpace", "Tab", "Tab", "space")
        box = wait_for("the error box", lambda: program.window("Quorvel"))
        report = wait_for("the error text", lambda: label_text(box, "الخطأ "))
        check("1001" in report and "البعد البؤري" in report, f"the error box reports: {report!r}")
        program.keys("Return")
        wait_for("the error box to close", lambda: program.window("Quorvel") is None)
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()


def main():
    if len(sys.argv) != 2:
        print("usage: e2e_test.py PATH-TO-QUORVEL", file=sys.stderr)
        return 2
    try:
        run(os.path.abspath(sys.argv[1]))
        run_in_arabic(os.path.abspath(sys.argv[1]))
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print("end-to-end: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
