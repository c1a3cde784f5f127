#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up benchmark: time from process start until the main window is first
# drawn, and private (anonymous) resident memory then, for the real program,
# for a bare Qt window, and for a bare window with one line of text (which
# also pays for starting the font system), taking turns under one
# Xvfb -noreset.
# Usage: bench/startup.sh [runs] [locale]   (20 runs of each, in the C locale,
# by default; a locale such as de_DE.UTF-8 starts them in its language)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev libx11-dev libxdamage-dev xvfb
runs="${1:-20}"
locale="${2:-C}"
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null

start_xvfb -noreset
export LC_ALL="$locale"
results="$(mktemp)"
trap 'stop_xvfb; rm -f "$results"' EXIT

probe=build/bench/bench/quorvel_startup_probe
for ((i = 0; i < runs; i++)); do
  echo "quorvel $("$probe" build/bench/quorvel)" >> "$results"
  echo "bare $("$probe" build/bench/bench/quorvel_bare_window)" >> "$results"
  echo "text $("$probe" build/bench/bench/quorvel_bare_window --text)" >> "$results"
done

awk "$AWK_MEDIAN"'
  { ms[$1, ++n[$1]] = $2; anon[$1] += $3; rss[$1] += $4 }
  function median_of(name,   i, v) {
    for (i = 1; i <= n[name]; i++) v[i] = ms[name, i]
    return median(v, n[name])
  }
  END {
    q = median_of("quorvel"); b = median_of("bare"); t = median_of("text")
    printf "runs: %d each, taking turns, LC_ALL=%s\n", n["quorvel"], locale
    printf "quorvel: median %.1f ms to first draw, private resident %.0f KiB, resident %.0f KiB\n", q, anon["quorvel"] / n["quorvel"], rss["quorvel"] / n["quorvel"]
    printf "bare Qt: median %.1f ms to first draw, private resident %.0f KiB, resident %.0f KiB\n", b, anon["bare"] / n["bare"], rss["bare"] / n["bare"]
    printf "bare Qt with text: median %.1f ms to first draw, private resident %.0f KiB, resident %.0f KiB\n", t, anon["text"] / n["text"], rss["text"] / n["text"]
    printf "ratio to bare: %.3f, to bare with text: %.3f\n", q / b, q / t
  }' locale="$locale" "$results"
