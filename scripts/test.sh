#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quorvel with its tests and runs every test.
# Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_test_locale

preset=dev
if [ "${CI:-}" = "true" ]; then preset=ci; fi
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
