#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the icon from quorvel.svg: the PNGs of the desktop icon theme, the
# multi-size .ico of the Windows program, and
# the 32 x 32, 16-colour picture that the Qt windows show (ui/qt/icons).
# Needs librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" quorvel.svg -o "quorvel-$size.png"
done
xpm="$(mktemp --suffix=.xpm)"
trap 'rm -f "$xpm"' EXIT
/usr/bin/convert quorvel-32.png -channel A -threshold 50% +channel -dither None -colors 15 "$xpm"
sed -e 's|^/\* XPM \*/|/* XPM */\n/* SPDX-License-Identifier: MIT */\n/* The application icon, 32 x 32 in 16 colours (regenerate with packaging/icons/render.sh). */|' \
    -e 's/static const char \*[a-z_0-9]*\[\]/static const char *quorvel_icon[]/' "$xpm" > ../../ui/qt/icons/quorvel-32.xpm
# The Windows program's icon, with the sizes Windows asks for.
/usr/bin/convert quorvel-16.png quorvel-32.png quorvel-48.png quorvel-256.png quorvel.ico
