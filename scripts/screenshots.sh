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

start_xvfb
trap stop_xvfb EXIT

LC_ALL=C "$program" &
quorvel=$!
main=$(timeout 15 xdotool search --sync --name '^Morlith$' | head -1)
xdotool windowfocus --sync "$main"
xdotool type --delay 20 "50"
xdotool key Tab
xdotool type --delay 20 "8"
xdotool key alt+c
sleep 0.5  # let the result paint; nothing to poll for in a picture
import -window "$main" -strip docs/main-window.png

xdotool key alt+h Down Return
about=$(timeout 15 xdotool search --sync --name '^About Quorvel$' | head -1)
sleep 0.5
import -window "$about" -strip docs/about-window.png
xdotool key Escape
xdotool windowfocus --sync "$main"
xdotool key alt+x
wait "$quorvel"
echo "docs/main-window.png and docs/about-window.png written"
