#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds an optimised Quorvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

install_packages "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release
exec "$PWD/build/release/quorvel" "$@"
