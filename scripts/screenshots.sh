#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/ of both windows, from the built program in a
# private Xvfb display: the main window after a worked example, and the About
# window. Usage: scripts/screenshots.sh [path-to-quorvel]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages xvfb xauth xdotool imagemagick fonts-liberation
program="${1:-build/dev/quorvel}"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -u "$fd" number
export DISPLAY=":$number"
runtime="$(mktemp -d)"
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$runtime"' EXIT

XDG_RUNTIME_DIR="$runtime" LC_ALL=C "$program" &
quorvel=$!
main=$(timeout 15 xdotool search --sync --name '^Morlith$' | head -1)
xdotool windowfocus --sync "$main"
xdotool type --delay 20 "50"
xdotool key Tab
xdotool type --delay 20 "8"
xdotool key alt+c
sleep 0.5  # let the result paint; nothing to poll for in a picture
import -window "$main" docs/main-window.png

xdotool key alt+h Down Return
about=$(timeout 15 xdotool search --sync --name '^About Quorvel$' | head -1)
sleep 0.5
import -window "$about" docs/about-window.png
xdotool key Escape
xdotool windowfocus --sync "$main"
xdotool key alt+x
wait "$quorvel"
echo "docs/main-window.png and docs/about-window.png written"
