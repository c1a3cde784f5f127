#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Starts the real program where Qt cannot start it, for each cause.

Each start must end at once with exit code 1 and the program's own message
on standard error, naming the cause: no display set, none answering at the
address given, one that refuses this user (X authorisation), a platform
plugin Qt does not have, or any other fatal error of Qt's, told as Qt gave
it; never an abort. The advice must work as printed:

    python3 display_test.py build/dev/quorvel /usr/lib/x86_64-linux-gnu/qt6/plugins

The second argument is Qt's plugin folder.
"""
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

UNREACHABLE = "because no display answers at the address it was given"
SUDO = "" if os.geteuid() == 0 else "sudo "
LOCALE = ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")


def main():
    if len(sys.argv) != 3:
        print("usage: display_test.py PATH-TO-QUORVEL QT-PLUGIN-FOLDER", file=sys.stderr)
        return 2
    program = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        cases = [
            ("no display", [program], {}, "needs a graphical display, but none is set"),
            ("no X server", [program], {"DISPLAY": ":999"}, UNREACHABLE),
            ("a bad address", [program], {"DISPLAY": "garbage!!"}, UNREACHABLE),
            ("no Wayland compositor", [program], {"WAYLAND_DISPLAY": "wayland-quorvel-test"},
             UNREACHABLE),
            ("X refuses this user",
             ["xvfb-run", "-a", "-s", "-nolisten tcp", "env", "XAUTHORITY=/nonexistent", program],
             {}, "refused it: this user may not use that display"),
            ("no such plugin", [program], {"QT_QPA_PLATFORM": "bogus"},
             'because Qt has no platform plugin named "bogus"'),
            ("no Wayland plugin", [without_wayland_plugin(program, scratch)],
             {"QT_QPA_PLATFORM": "wayland"},
             'the Qt platform plugin "wayland" is not installed'),
            ("another fatal error", [program], {"QT_QPA_PLATFORM": "minimalegl"},
             "because Qt stopped it with this error: "),
            # In the user's language, as the desktop's locale says.
            ("no display, in German", [program], {"LANG": "de_DE.UTF-8"},
             "braucht eine grafische Anzeige"),
            ("no X server, in Japanese", [program],
             {"LANGUAGE": "ja", "LANG": "fr_FR.UTF-8", "DISPLAY": ":999"}, "ウィンドウを開けません"),
            ("no X server, in Arabic", [program], {"LC_ALL": "ar_EG.UTF-8", "DISPLAY": ":999"},
             "لا يستطيع Quorvel فتح نافذته"),
        ]
        failures = 0
        for name, command, variables, expected in cases:
            env = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY") + LOCALE}
            env.update(LANG="C", XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR", "/tmp"))
            env.update(variables)
            result = subprocess.run(command, env=env, capture_output=True, text=True,
                                    encoding="utf-8", timeout=60)
            message = result.stderr
            ok = result.returncode == 1 and expected in message and advice_works(name, message, env)
            others = [cause for _, _, _, cause in cases if cause != expected and cause in message]
            ok = ok and not others
            print(f"{'ok' if ok else 'FAILED'}: {name} -> exit {result.returncode}")
            if not ok:
                print(message, file=sys.stderr)
                failures += 1
    return 1 if failures else 0


def without_wayland_plugin(program, folder):
    """A copy of the program that finds only the X11 plugin: its qt.conf
    points Qt at a plugin folder without the Wayland one."""
    platforms = os.path.join(folder, "plugins", "platforms")
    os.makedirs(platforms)
    os.symlink(os.path.join(sys.argv[2], "platforms", "libqxcb.so"),
               os.path.join(platforms, "libqxcb.so"))
    copy = os.path.join(folder, "quorvel")
    shutil.copy(program, copy)
    with open(os.path.join(folder, "qt.conf"), "w") as conf:
        conf.write(f"[Paths]\nPlugins = {folder}/plugins\n")
    return copy


def advice_works(name, message, env):
    """Where the message gives commands, they name the program as it was
    started and install as this user can; the virtual display's xvfb-run,
    run as printed, starts the program."""
    lines = [line.strip() for line in message.splitlines()]
    if name == "no Wayland plugin":
        return f"{SUDO}apt-get install qt6-wayland" in lines
    if name not in ("no display", "no X server", "a bad address", "no Wayland compositor"):
        return True
    install = f"{SUDO}apt-get install xvfb"
    run = f"xvfb-run {sys.argv[1]}"
    if install not in lines or run not in lines:
        print(f"no {install!r} and {run!r} in the message", file=sys.stderr)
        return False
    if name != "no display":
        return True
    # Still running when the time is up: it got past the display and shows its window.
    started = subprocess.run(["timeout", "10", *shlex.split(run)], env=env,
                             capture_output=True, text=True, encoding="utf-8", timeout=60)
    if started.returncode != 124:
        print(f"{run!r} ended with {started.returncode}: {started.stderr}", file=sys.stderr)
        return False
    return True


if __name__ == "__main__":
    sys.exit(main())
