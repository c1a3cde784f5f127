#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the benchmarks optimised and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench
exec build/bench/bench/quorvel_bench "$@"
