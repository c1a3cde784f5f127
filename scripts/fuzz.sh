#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz target with clang and runs it for the given number of
# seconds (60 by default), starting from the seed corpus in fuzz/corpus,
# with the tokens of fuzz/hyperfocal.dict.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages cmake ninja-build clang libclang-rt-dev
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus/"
build/fuzz/fuzz/quorvel_hyperfocal_fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -dict=fuzz/hyperfocal.dict "$corpus"
