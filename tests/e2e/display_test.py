#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Starts the real program with displays it cannot reach.

Each start must end at once with exit code 1 and the program's own message
on standard error, never with an abort; the message's advice, a virtual
display, must work as printed:

    python3 display_test.py build/dev/quorvel
"""
import os
import shlex
import subprocess
import sys

CASES = [
    ({}, "needs a graphical display"),
    ({"DISPLAY": ":999"}, "cannot open its window"),
    ({"DISPLAY": "garbage!!"}, "cannot open its window"),
    ({"WAYLAND_DISPLAY": "wayland-quorvel-test"}, "cannot open its window"),
    ({"QT_QPA_PLATFORM": "bogus"}, "cannot open its window"),
]


def main():
    if len(sys.argv) != 2:
        print("usage: display_test.py PATH-TO-QUORVEL", file=sys.stderr)
        return 2
    failures = 0
    for variables, expected in CASES:
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(variables, XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR", "/tmp"))
        result = subprocess.run([sys.argv[1]], env=env, capture_output=True, text=True, timeout=30)
        ok = (result.returncode == 1 and expected in result.stderr
              and advice_works(result.stderr, env, run_it=not variables))
        print(f"{'ok' if ok else 'FAILED'}: {variables or 'no display'} -> exit {result.returncode}")
        if not ok:
            print(result.stderr, file=sys.stderr)
            failures += 1
    return 1 if failures else 0


def advice_works(message, env, run_it):
    """The advice names the program as it was started and installs Xvfb as
    this user can; its xvfb-run command, run as printed (`run_it`), starts
    the program."""
    install = ("" if os.geteuid() == 0 else "sudo ") + "apt-get install xvfb"
    run = f"xvfb-run {sys.argv[1]}"
    lines = [line.strip() for line in message.splitlines()]
    if install not in lines or run not in lines:
        print(f"no {install!r} and {run!r} in the message", file=sys.stderr)
        return False
    if not run_it:
        return True
    # Still running when the time is up: it got past the display and shows its window.
    started = subprocess.run(["timeout", "5", *shlex.split(run)], env=env,
                             capture_output=True, text=True, timeout=30)
    if started.returncode != 124:
        print(f"{run!r} ended with {started.returncode}: {started.stderr}", file=sys.stderr)
        return False
    return True


if __name__ == "__main__":
    sys.exit(main())
