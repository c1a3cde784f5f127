#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The real program under a window manager that ignores its hints.

Openbox (as in LXDE and LXQt) gives the About window a minimise button
although it asks for none, and shows no task bar of its own. A minimised
About must come back: the About command restores, raises and activates it,
and closing the main window, which leaves the program running for About,
brings it back too. Run it in a private display of its own:

    scripts/with-xvfb.sh dbus-run-session -- /usr/bin/python3 tests/e2e/window_manager_test.py build/dev/quorvel

It starts openbox itself. Every wait is on a condition, with a time limit.
"""
import os
import subprocess
import sys
import tempfile

from e2e_test import START_TIMEOUT, TIMEOUT, Failure, Program, check, run_checks, wait_for


def xprop(*args):
    result = subprocess.run(["xprop", *args], capture_output=True, text=True, timeout=TIMEOUT)
    return result.stdout if result.returncode == 0 else ""


def start_openbox():
    log = tempfile.TemporaryFile(mode="w+")
    openbox = subprocess.Popen(["openbox", "--sm-disable"], stdout=log, stderr=log)
    try:
        wait_for("openbox to manage the display",
                 lambda: openbox.poll() is not None
                 or "window id" in xprop("-root", "_NET_SUPPORTING_WM_CHECK"))
    finally:
        if openbox.poll() is not None:
            log.seek(0)
            raise Failure(f"openbox ended with {openbox.returncode}: {log.read()}")
    return openbox


def window_id(program, title, timeout=None):
    found = wait_for(f"X window {title!r}",
                     lambda: program.xdotool("search", "--onlyvisible", "--name", f"^{title}$"),
                     timeout)
    return found.split()[0]


def state(window):
    """The ICCCM state of a top-level window: Normal, Iconic or Withdrawn."""
    for line in xprop("-id", window, "WM_STATE").splitlines():
        if "window state:" in line:
            return line.split(":", 1)[1].strip()
    return None


def active(program):
    return program.xdotool("getactivewindow")


def activate(program, window):
    program.xdotool("windowactivate", "--sync", window)
    wait_for("the window to be active", lambda: active(program) == window)


def minimise(program, window):
    program.xdotool("windowminimize", window)
    wait_for("About to be minimised", lambda: state(window) == "Iconic")


def run(executable):
    if not os.environ.get("DISPLAY"):
        raise Failure("no DISPLAY: run it in a private display (scripts/with-xvfb.sh)")
    openbox = start_openbox()
    program = Program(executable)
    try:
        main = window_id(program, "Morlith", START_TIMEOUT)
        activate(program, main)
        program.open_about()
        about = window_id(program, "About Quorvel")
        allowed = xprop("-id", about, "_NET_WM_ALLOWED_ACTIONS")
        check("_NET_WM_ACTION_MINIMIZE" in allowed,
              "openbox lets About be minimised, whatever it asks for")

        minimise(program, about)
        activate(program, main)
        program.open_about()
        wait_for("About restored", lambda: state(about) == "Normal")
        wait_for("About active", lambda: active(program) == about)
        check(window_id(program, "About Quorvel") == about,
              "About again restores the minimised About, in front and active, and loads none")

        minimise(program, about)
        activate(program, main)
        program.keys("alt+F4")
        wait_for("the main window to close",
                 lambda: not program.xdotool("search", "--onlyvisible", "--name", "^Morlith$"))
        wait_for("About restored", lambda: state(about) == "Normal")
        wait_for("About active", lambda: active(program) == about)
        check(program.process.poll() is None,
              "closing the main window brings the minimised About back, and the program runs on")

        program.press_until("Escape", lambda: program.process.poll() is not None, "Esc to close About")
        code = program.process.wait(timeout=TIMEOUT)
        check(code == 0, "closing About then ends the program")
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()
        openbox.terminate()
        openbox.wait()


if __name__ == "__main__":
    sys.exit(run_checks("window_manager_test.py", "window manager", run))
