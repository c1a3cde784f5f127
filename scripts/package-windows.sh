#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the optimised Windows program and makes its
# installer and its portable zip, both left in build/mingw-release/package/
# with their SHA256SUMS. Checks first that the program is loaded at a random
# address of the whole 64-bit space (ASLR, high-entropy ASLR), that its data
# cannot be run as code (DEP), and that it imports from system DLLs only.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINDOWS_PACKAGE_PACKAGES[@]}"
export_source_date_epoch
cmake --preset mingw-release >/dev/null
cmake --build --preset mingw-release --target quorvel
program=build/mingw-release/quorvel.exe
# The PE header's DllCharacteristics, one name a line below it.
characteristics="$(x86_64-w64-mingw32-objdump -p "$program" |
  sed -n '/^DllCharacteristics/,/^[A-Z]/{/^\t/p}')"
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
  grep -qw "$flag" <<<"$characteristics" || { echo "$program lacks $flag" >&2; exit 1; }
done
cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM="$program" -P cmake/CheckImports.cmake
cmake --build --preset mingw-release --target windows_packages
(cd build/mingw-release/package && sha256sum -- quorvel-*-setup.exe quorvel-*-win64.zip >SHA256SUMS)
ls -l build/mingw-release/package/quorvel-*-setup.exe build/mingw-release/package/quorvel-*-win64.zip
