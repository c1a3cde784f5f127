#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the release and its Debian package, and
# validates the desktop entry, the AppStream metadata and the package.
# The package is left in build/release/package/, with its SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
export_source_date_epoch
cmake --preset release >/dev/null
cmake --build --preset release
rm -rf build/release/package
cpack --preset release

deb=(build/release/package/quorvel_*.deb)
desktop-file-validate build/release/packaging/quorvel.desktop
appstreamcli validate --no-net build/release/packaging/*.metainfo.xml
# Errors fail the build; warnings are printed.
lintian --fail-on error --allow-root "${deb[0]}"
(cd build/release/package && sha256sum -- *.deb >SHA256SUMS)
echo "Package: ${deb[0]}"
