#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up benchmark of the Windows program: time from its start until its
# main window is shown, under a warm Wine (server and services running, each
# program started once before measuring), next to a bare Win32 window with a
# line of text, taking turns.
# Usage: bench/startup-windows.sh [runs]   (20 runs of each by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
runs="${1:-20}"
cmake --preset mingw-bench >/dev/null
cmake --build --preset mingw-bench >/dev/null

start_xvfb
start_wine
results="$(mktemp)"
trap 'stop_wine; stop_xvfb; rm -f "$results"' EXIT

probe=build/mingw-bench/bench/quorvel_win32_startup_probe.exe
quorvel=build/mingw-bench/quorvel.exe
bare=build/mingw-bench/bench/quorvel_win32_bare_window.exe
measure() { "$WINE_DIR/wine64" "$probe" "$1" </dev/null 2>/dev/null | tr -d '\r'; }
measure "$quorvel" >/dev/null
measure "$bare" >/dev/null
for ((i = 0; i < runs; i++)); do
  echo "quorvel $(measure "$quorvel")" >> "$results"
  echo "bare $(measure "$bare")" >> "$results"
done

awk "$AWK_MEDIAN"'
  { ms[$1, ++n[$1]] = $2 }
  END {
    count = n["quorvel"]
    for (i = 1; i <= count; i++) { q[i] = ms["quorvel", i]; b[i] = ms["bare", i]; r[i] = q[i] / b[i] }
    printf "runs: %d each, taking turns, under a warm Wine\n", count
    printf "quorvel.exe: median %.1f ms until its window is shown\n", median(q, count)
    printf "bare Win32 window: median %.1f ms until its window is shown\n", median(b, count)
    printf "ratio of each run to the bare window run beside it: median %.3f\n", median(r, count)
  }' "$results"
