#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/ of both windows, from the built program in a
# private Xvfb display, in a light and in a dark desktop theme, and in Arabic
# and Japanese: the main window after a worked example, and the About window. Builds the optimised
# program first unless given one. Usage: scripts/screenshots.sh [path-to-quorvel]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick qt6-gtk-platformtheme \
  gnome-themes-extra fonts-noto-cjk fonts-noto-core qt6-translations-l10n
program="${1:-build/release/quorvel}"
if [ $# -eq 0 ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
fi

start_xvfb
trap stop_xvfb EXIT

# shoot SUFFIX ABOUT-TITLE [VARIABLE=VALUE...]: both windows, as
# docs/*-window$SUFFIX.png, with the program started in the given
# environment. Keys that work in every language: Tab to Calculate and Space;
# Alt alone to the menu bar, Return to open its menu.
shoot() {
  local suffix="$1" title="$2"
  shift 2
  env LC_ALL=C "$@" "$program" &
  quorvel=$!
  main=$(timeout 15 xdotool search --sync --name '^Morlith$' | head -1)
  xdotool windowfocus --sync "$main"
  xdotool type --delay 20 "50"
  xdotool key Tab
  xdotool type --delay 20 "8"
  xdotool key Tab space
  sleep 0.5  # let the result paint; nothing to poll for in a picture
  import -window "$main" -strip "docs/main-window$suffix.png"

  xdotool key alt
  sleep 0.2
  xdotool key Return Down Return
  about=$(timeout 15 xdotool search --sync --name "^$title\$" | head -1)
  sleep 0.5
  import -window "$about" -strip "docs/about-window$suffix.png"
  xdotool key Escape
  xdotool windowfocus --sync "$main"
  kill "$quorvel"
  wait "$quorvel" || true
  echo "docs/main-window$suffix.png and docs/about-window$suffix.png written"
}

shoot "" "About Quorvel"
# A dark desktop: GNOME's Adwaita dark, through Qt's GTK platform theme.
shoot "-dark" "About Quorvel" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
# Arabic, mirrored, and Japanese, with the fonts their desktops have.
shoot "-ar" "حول Quorvel" LC_ALL=ar_EG.UTF-8
shoot "-ja" "Quorvel のバージョン情報" LC_ALL=ja_JP.UTF-8
