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
    # In the user's language, as the desktop's locale says.
    ({"LANG": "de_DE.UTF-8"}, "braucht eine grafische Anzeige"),
    ({"LANGUAGE": "ja", "LANG": "fr_FR.UTF-8", "DISPLAY": ":999"}, "ウィンドウを開けません"),
    ({"LC_ALL": "ar_EG.UTF-8", "DISPLAY": ":999"}, "لا يستطيع Quorvel فتح نافذته"),
]
LOCALE = ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")


def main():
    if len(sys.argv) != 2:
        print("usage: display_test.py PATH-TO-QUORVEL", file=sys.stderr)
        return 2
    failures = 0
    for variables, expected in CASES:
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM") + LOCALE}
        env.update(LANG="C", XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR", "/tmp"))
        env.update(variables)
        result = subprocess.run([sys.argv[1]], env=env, capture_output=True, text=True, encoding="utf-8", timeout=30)
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
                             capture_output=True, text=True, encoding="utf-8", timeout=30)
    if started.returncode != 124:
        print(f"{run!r} ended with {started.returncode}: {started.stderr}", file=sys.stderr)
        return False
    return True


if __name__ == "__main__":
    sys.exit(main())
