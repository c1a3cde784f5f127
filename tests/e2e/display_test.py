#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Starts the real program with displays it cannot reach.

Each start must end at once with exit code 1 and the program's own message
on standard error, never with an abort:

    python3 display_test.py build/dev/quorvel
"""
import os
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
        ok = result.returncode == 1 and expected in result.stderr
        print(f"{'ok' if ok else 'FAILED'}: {variables or 'no display'} -> exit {result.returncode}")
        if not ok:
            print(result.stderr, file=sys.stderr)
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
