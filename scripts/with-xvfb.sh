#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a private Xvfb display, with DISPLAY and a fresh
# XDG_RUNTIME_DIR pointing at it, and ends the display afterwards.
# Usage: scripts/with-xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_xvfb
trap stop_xvfb EXIT
code=0
"$@" || code=$?
if [ "$code" -ne 0 ]; then
  echo "(the command ended with $code; the display was $DISPLAY, and its server said:)" >&2
  cat "$XVFB_RUNTIME/xvfb.log" >&2
fi
exit "$code"
