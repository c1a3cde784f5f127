#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, cross-compiles Quorvel and its tests for 64-bit
# Windows with mingw-w64, and runs them under Wine (CTest label "windows") in
# a throw-away Wine prefix on a private Xvfb display: the library tests, the
# window handlers, and quorvel.exe itself driven by a second Win32 program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
ensure_test_locale "${WINDOWS_TEST_LOCALES[@]}"
cmake --preset mingw
cmake --build --preset mingw

start_xvfb
start_wine
trap 'stop_wine; stop_xvfb' EXIT
ctest --preset mingw -j2
