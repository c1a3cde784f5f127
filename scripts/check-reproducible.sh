#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every artefact twice, from copies of this source tree in two
# temporary folders of different names, one after the other, and compares
# their SHA-256 sums: the Debian package, quorvel.exe, the installer and the
# portable zip. Each build's SHA256SUMS must hold for its artefacts. A signed
# installer is compared with its signature taken off, since a time-stamping
# server gives every signature a time of its own. Prints the sums, and what
# differs.
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

build() {
  local tree="$1"
  mkdir -p "$tree"
  git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$tree"
  (cd "$tree" && scripts/package.sh >/dev/null && scripts/package-windows.sh >/dev/null)
  (cd "$tree/build/release/package" && sha256sum --check --quiet SHA256SUMS)
  (cd "$tree/build/mingw-release/package" && sha256sum --check --quiet SHA256SUMS)
  local file
  for file in "$tree"/build/mingw-release/package/quorvel-*-setup.exe; do
    if osslsigncode remove-signature -in "$file" -out "$file.unsigned" >/dev/null 2>&1; then
      mv "$file.unsigned" "$file"
    fi
  done
  (cd "$tree" && sha256sum ${artefacts[@]}) > "$tree.sums"
}
build "$work/first"
build "$work/a-second-tree-with-a-longer-name"

cat "$work/first.sums"
if diff "$work/first.sums" "$work/a-second-tree-with-a-longer-name.sums" >/dev/null; then
  echo "reproducible: both builds made the same bytes"
  exit 0
fi
echo "NOT reproducible:" >&2
diff "$work/first.sums" "$work/a-second-tree-with-a-longer-name.sums" >&2 || true
for artefact in "${artefacts[@]}"; do
  for one in "$work"/first/$artefact; do
    other="$work/a-second-tree-with-a-longer-name/${one#"$work"/first/}"
    cmp -s "$one" "$other" || diffoscope --text - "$one" "$other" | head -50 >&2 || true
  done
done
exit 1
