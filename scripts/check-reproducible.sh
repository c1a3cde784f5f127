#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every artefact here (anew where the sources changed, so in CI after
# the packaging steps nothing but the packing runs again) and once more from a
# fresh copy of this source tree in a temporary folder of another name, and
# compares their SHA-256 sums: the Debian package, quorvel.exe, the installer
# and the portable zip. Each build's SHA256SUMS must hold for its artefacts. A
# signed installer is compared with its signature taken off, since a
# time-stamping server gives every signature a time of its own. Prints the
# sums, and what differs.
# Usage: scripts/check-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" \
  "${WINDOWS_PACKAGE_PACKAGES[@]}" diffoscope-minimal
# Both builds stamp their files with this checkout's commit.
export_source_date_epoch

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
artefacts=(
  build/release/package/quorvel_*_amd64.deb
  build/mingw-release/quorvel.exe
  build/mingw-release/package/quorvel-*-setup.exe
  build/mingw-release/package/quorvel-*-win64.zip
)

# Builds the artefacts in the source tree $1 and copies them into the folder
# $2, the installer without its signature, with their sums in $2.sums.
build() {
  local tree="$1" copy="$2"
  (cd "$tree" && scripts/package.sh >/dev/null && scripts/package-windows.sh >/dev/null)
  (cd "$tree/build/release/package" && sha256sum --check --quiet SHA256SUMS)
  (cd "$tree/build/mingw-release/package" && sha256sum --check --quiet SHA256SUMS)
  mkdir -p "$copy"
  (cd "$tree" && cp --parents -t "$copy" ${artefacts[@]})
  local file
  for file in "$copy"/build/mingw-release/package/quorvel-*-setup.exe; do
    if osslsigncode remove-signature -in "$file" -out "$file.unsigned" >/dev/null 2>&1; then
      mv "$file.unsigned" "$file"
    fi
  done
  (cd "$copy" && sha256sum ${artefacts[@]}) >"$copy.sums"
}
build "$PWD" "$work/first"
second="$work/a-second-tree-with-a-longer-name"
mkdir -p "$second"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$second"
build "$second" "$work/second"

cat "$work/first.sums"
if diff "$work/first.sums" "$work/second.sums" >/dev/null; then
  echo "reproducible: both builds made the same bytes"
  exit 0
fi
echo "NOT reproducible:" >&2
diff "$work/first.sums" "$work/second.sums" >&2 || true
for artefact in "${artefacts[@]}"; do
  for one in "$work"/first/$artefact; do
    other="$work/second/${one#"$work"/first/}"
    cmp -s "$one" "$other" || diffoscope --text - "$one" "$other" | head -50 >&2 || true
  done
done
exit 1
