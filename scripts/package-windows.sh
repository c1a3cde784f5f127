#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the optimised Windows program and makes its
# installer and its portable zip, both left in build/mingw-release/package/
# with their SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINDOWS_PACKAGE_PACKAGES[@]}"
export_source_date_epoch
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release --target windows_packages
(cd build/mingw-release/package && sha256sum -- quorvel-*-setup.exe quorvel-*-win64.zip >SHA256SUMS)
ls -l build/mingw-release/package/quorvel-*-setup.exe build/mingw-release/package/quorvel-*-win64.zip
