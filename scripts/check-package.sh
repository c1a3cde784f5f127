#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the built Debian package with apt-get, starts the installed
# program in a private Xvfb display until its window appears, then purges the
# package and checks that none of its files is left. Needs root (or sudo).
# Usage: scripts/check-package.sh [package.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages xvfb xauth xdotool

deb="${1:-$(ls build/release/package/quorvel_*.deb)}"
if dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q "install ok installed"; then
  echo "quorvel is installed already; remove it first" >&2
  exit 1
fi

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb"
mapfile -t files < <(dpkg-query -L quorvel | while read -r path; do [ -f "$path" ] && echo "$path"; done)
echo "Installed ${#files[@]} files"
command -v quorvel | grep -qx /usr/bin/quorvel

start_xvfb
trap stop_xvfb EXIT
quorvel &
program=$!
if timeout 20 xdotool search --sync --onlyvisible --name '^Morlith$' >/dev/null; then
  echo "The installed program shows its window"
else
  echo "The installed program showed no window" >&2
  exit 1
fi
kill "$program"
wait "$program" 2>/dev/null || true

as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quorvel
left=0
for path in "${files[@]}"; do
  if [ -e "$path" ]; then
    echo "left behind: $path" >&2
    left=1
  fi
done
if dpkg-query -W quorvel >/dev/null 2>&1; then
  echo "dpkg still knows the package" >&2
  left=1
fi
[ "$left" -eq 0 ] && echo "Removed without a trace"
exit "$left"
