#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/ of the Windows program and its installer,
# run under Wine in a private Xvfb display: the main window after a worked
# example, the About window (with the main window closed behind it, which
# leaves the program running until About closes too), the main window again
# at 150 % (144 DPI), both windows in Arabic and in Japanese, and the
# installer's licence page.
# Usage: scripts/screenshots-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINDOWS_PACKAGE_PACKAGES[@]}" \
  xdotool imagemagick
ensure_test_locale "${WINDOWS_TEST_LOCALES[@]}"
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release --target windows_packages >/dev/null
program=build/mingw-release/quorvel.exe
setup=$(ls build/mingw-release/package/quorvel-*-setup.exe)

start_xvfb
start_wine
shots="$(mktemp -d)"
trap 'stop_wine; stop_xvfb; rm -rf "$shots"' EXIT

# Types the worked example, 50 mm at f/8, into the main window, which has the
# focus, and presses Calculate.
calculate() {
  xdotool type --delay 50 "50"
  xdotool key Tab
  xdotool type --delay 50 "8"
  xdotool key alt+c
}

# Wine draws its windows inside one virtual desktop window; a still picture
# of it, cut down to what is not the desktop's colour, is the window.
shoot() {
  sleep 1  # let the windows paint; nothing to poll for in a picture
  import -window root "$shots/root.png"
  convert "$shots/root.png" -trim +repage -strip "$1"
}

"$WINE_DIR/wine64" "$program" </dev/null >/dev/null 2>&1 &
quorvel=$!
desktop=$(timeout 30 xdotool search --sync --name 'Wine desktop' | head -1)
sleep 2
calculate
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

# At 150 %: Wine gives a program started from now on the DPI of LogPixels.
set_dpi() {
  "$WINE_DIR/wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
}
set_dpi 144
"$WINE_DIR/wine64" "$program" </dev/null >/dev/null 2>&1 &
quorvel=$!
sleep 2
calculate
shoot docs/windows-main-window-150.png
xdotool key alt+x
wait "$quorvel"
set_dpi 96

# Arabic, mirrored, and Japanese: the main window after the worked example,
# and About on its own, with keys that work in every language (Tab to
# Calculate and Space, F10 to the menu bar).
# Wine draws menus and title bars in its own Tahoma, which has neither script;
# a Windows desktop in these languages has interface fonts that do, so Wine is
# given such a face for them here (a LOGFONTW: height, width, escapement,
# orientation, weight, eight flag bytes, then the face in UTF-16).
interface_font() {
  local metric weight
  for metric in MenuFont:400 CaptionFont:700 SmCaptionFont:400 MessageFont:400 StatusFont:400; do
    weight="${metric#*:}"
    "$WINE_DIR/wine64" reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "${metric%%:*}" \
      /t REG_BINARY /f /d "$(python3 -c '
import struct, sys
face, weight = sys.argv[1], int(sys.argv[2])
print((struct.pack("<5i8B", -12, 0, 0, 0, weight, 0, 0, 0, 1, 0, 0, 0, 0)
       + face.encode("utf-16-le").ljust(64, b"\0")).hex())' "$1" "$weight")" </dev/null >/dev/null 2>&1
  done
}
for language in "ar:ar_EG:DejaVu Sans" "ja:ja_JP:Noto Sans CJK JP"; do
  suffix="${language%%:*}"
  locale="${language#*:}"
  locale="${locale%%:*}"
  interface_font "${language##*:}"
  LC_ALL="$locale.UTF-8" LANG="$locale.UTF-8" \
    "$WINE_DIR/wine64" "$program" </dev/null >/dev/null 2>&1 &
  quorvel=$!
  sleep 3
  xdotool type --delay 50 "50"
  xdotool key Tab
  xdotool type --delay 50 "8"
  xdotool key Tab space
  shoot "docs/windows-main-window-$suffix.png"
  xdotool key F10 Down Down Return
  sleep 1
  xdotool mousemove --window "$desktop" 40 60 click 1
  xdotool key alt+F4
  shoot "docs/windows-about-window-$suffix.png"
  xdotool key Escape
  wait "$quorvel"
done
for metric in MenuFont CaptionFont SmCaptionFont MessageFont StatusFont; do
  "$WINE_DIR/wine64" reg delete 'HKCU\Control Panel\Desktop\WindowMetrics' /v "$metric" /f \
    </dev/null >/dev/null 2>&1
done

"$WINE_DIR/wine64" "$setup" </dev/null >/dev/null 2>&1 &
installer=$!
sleep 3
xdotool key Return  # from the welcome page to the licence
shoot docs/windows-installer.png
kill "$installer"
echo "docs/windows-main-window.png, docs/windows-about-window.png," \
  "docs/windows-main-window-150.png, docs/windows-*-window-ar.png, docs/windows-*-window-ja.png" \
  "and docs/windows-installer.png written"
