#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries Quorvel on Debian 13 from this machine, as CI does: makes a Debian 13
# root with debootstrap, from the mirror this machine's apt uses, and in it,
# as on a fresh Debian 13, runs the README's test command (scripts/test.sh)
# and the Windows suite under Debian 13's Wine (scripts/test-windows.sh).
# Then installs the package built here (build/release/package, made by
# scripts/package.sh) into a clean Debian 13 root and starts it
# (scripts/check-package.sh). Needs root. Leaves nothing mounted; the roots
# stay in build/debian13 until the next run.
# "prepare" only makes the roots and installs in the first the packages the
# tests need: it needs nothing built here, so CI runs it in the background
# while it builds, and the next run without it takes the roots it left.
# Usage: scripts/debian13.sh [prepare]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages debootstrap

work="$PWD/build/debian13"
# The Debian archive this machine installs from: the URI of its main suite.
mirror=$(apt-get indextargets --format '$(RELEASE) $(URI)' 'Created-By: Packages' |
  awk '$1 !~ /-/ { sub("/dists/.*", "", $2); print $2; exit }')
[ -n "$mirror" ] || { echo "no Debian archive in this machine's apt configuration" >&2; exit 1; }

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R -l "${mounted[i]}" 2>/dev/null || true; done
  mounted=()
}
trap unmount_all EXIT

# Runs a command as root in the root folder $1, with the kernel's file systems
# mounted there, in a plain environment.
in_root() {
  local root="$1"
  shift
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  local fs
  for fs in sys dev; do
    mount --rbind "/$fs" "$root/$fs" && mount --make-rslave "$root/$fs" && mounted+=("$root/$fs")
  done
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  local code=0
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 CI="${CI:-}" /bin/bash -c "$*" || code=$?
  unmount_all
  return "$code"
}

# The sources as git has them, copied into a root.
copy_sources() {
  mkdir -p "$1/src"
  git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$1/src"
}

# The roots, and in the first what test.sh and test-windows.sh install.
prepare() {
  rm -rf "$work"
  mkdir -p "$work"
  echo "Making a Debian 13 root from $mirror"
  debootstrap --variant=minbase trixie "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log" >&2; exit 1; }
  # A clean root for the package, before anything is installed in the other.
  cp -a "$work/base" "$work/clean"
  copy_sources "$work/base"
  in_root "$work/base" 'cd /src && source scripts/lib.sh &&
    install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" &&
    ensure_test_locale de_DE "${WINDOWS_TEST_LOCALES[@]}"'
  touch "$work/prepared"
}

if [ "${1:-}" = prepare ]; then
  prepare
  exit 0
fi
if [ -f "$work/prepared" ]; then
  rm "$work/prepared"
else
  prepare
  rm "$work/prepared"
fi
deb=$(ls build/release/package/quorvel_*.deb)

echo "== Debian 13: test.sh and test-windows.sh"
rm -rf "$work/base/src"
copy_sources "$work/base"
in_root "$work/base" "cd /src && scripts/test.sh && scripts/test-windows.sh"

echo "== Debian 13: the package built on $(. /etc/os-release && echo "$PRETTY_NAME")"
copy_sources "$work/clean"
mkdir -p "$work/clean/src/build/release/package"
cp "$deb" "$work/clean/src/build/release/package/"
in_root "$work/clean" "cd /src && scripts/check-package.sh"
