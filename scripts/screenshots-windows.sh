#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/ of both windows of the Windows program, run
# under Wine in a private Xvfb display: the main window after a worked
# example, and the About window (with the main window closed behind it, which
# leaves the program running until About closes too).
# Usage: scripts/screenshots-windows.sh [path-to-quorvel.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" xdotool imagemagick
program="${1:-}"
if [ -z "$program" ]; then
  cmake --preset mingw-release >/dev/null
  cmake --build --preset mingw-release >/dev/null
  program=build/mingw-release/quorvel.exe
fi

start_xvfb
start_wine
shots="$(mktemp -d)"
trap 'stop_wine; stop_xvfb; rm -rf "$shots"' EXIT

# Wine draws its windows inside one virtual desktop window; a still picture
# of it, cut down to what is not the desktop's colour, is the window.
shoot() {
  sleep 1  # let the windows paint; nothing to poll for in a picture
  import -window root "$shots/root.png"
  convert "$shots/root.png" -trim +repage "$1"
}

"$WINE_DIR/wine64" "$program" </dev/null >/dev/null 2>&1 &
quorvel=$!
desktop=$(timeout 30 xdotool search --sync --name 'Wine desktop' | head -1)
sleep 2
xdotool type --delay 50 "50"
xdotool key Tab
xdotool type --delay 50 "8"
xdotool key alt+c
shoot docs/windows-main-window.png

xdotool key alt+h Down Return
sleep 1
# Back to the main window with a click on its heading, which About does not
# cover, and close it: About stays on its own.
xdotool mousemove --window "$desktop" 40 60 click 1
xdotool key alt+F4
shoot docs/windows-about-window.png
xdotool key Escape
wait "$quorvel"
echo "docs/windows-main-window.png and docs/windows-about-window.png written"
