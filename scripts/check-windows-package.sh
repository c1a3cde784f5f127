#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows installer in a fresh Wine prefix on a private Xvfb
# display: installs an older version and then it over that one, silently;
# checks the files, the Start-menu shortcut and the uninstall entry; starts
# the installed program from its shortcut and runs the Windows end-to-end
# tests against it; uninstalls it silently and checks that nothing of it is
# left and nothing else changed.
# Usage: scripts/check-windows-package.sh [setup.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
install_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINDOWS_PACKAGE_PACKAGES[@]}"

setup="${1:-$(ls build/mingw-release/package/quorvel-*-setup.exe)}"
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target quorvel_win32_e2e_tests >/dev/null
tests=build/mingw/tests/ui/win32/quorvel_win32_e2e_tests.exe

start_xvfb
start_wine
snapshots="$(mktemp -d)"
trap 'stop_wine; stop_xvfb; rm -rf "$snapshots"' EXIT
wine() { "$WINE_DIR/wine64" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
fail() { echo "FAILED: $*" >&2; exit 1; }

drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Quorvel"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'

# What the machine holds before: every file, and the software registry.
snapshot() {
  (cd "$drive" && find . -path ./windows/temp -prune -o -path ./users -prune -o -print | sort) \
    > "$snapshots/$1.files"
  wine regedit /E "Z:$snapshots/$1.reg" 'HKEY_LOCAL_MACHINE\Software'
  # Wine keeps the time of each key's last change beside it.
  sed -e '/^#time=/d' -e '/^;/d' "$snapshots/$1.reg" > "$snapshots/$1.keys"
}
snapshot before

# An older version to replace: the same installer script, another version
# and another program file (the debug build).
older="$snapshots/quorvel-0.9.0-setup.exe"
makensis -V2 -NOCD -DVERSION=0.9.0 -DPROGRAM=build/mingw/quorvel.exe \
  -DLICENSE=LICENSE -DICON=packaging/icons/quorvel.ico "-DOUTFILE=$older" \
  packaging/windows/quorvel.nsi
wine "Z:$older" /S
grep -q "0.9.0" <<< "$(wine reg query "$key" /reg:64)" || fail "the older version did not install"

start=$(date +%s.%N)
wine "$(realpath "$setup")" /S
installed=$(date +%s.%N)
echo "silent install: $(echo "$installed - $start" | bc) s"

for file in quorvel.exe LICENSE.txt uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file is not in Program Files\\Quorvel"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut for all users"
entry="$(wine reg query "$key" /reg:64)"
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString \
             QuietUninstallString EstimatedSize NoModify NoRepair; do
  grep -q "^ *$value " <<< "$entry" || fail "the uninstall entry has no $value"
done
grep -q "DisplayVersion.*$(basename "$setup" | sed 's/quorvel-\(.*\)-setup.exe/\1/')" <<< "$entry" \
  || fail "the uninstall entry names another version"
cmp -s "$folder/quorvel.exe" build/mingw-release/quorvel.exe \
  || fail "the older program was not replaced"
echo "installed over 0.9.0: files, shortcut and uninstall entry are there"

QUORVEL_EXE='C:\Program Files\Quorvel\quorvel.exe' \
QUORVEL_START='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvel.lnk' \
  "$WINE_DIR/wine64" "$tests" </dev/null > "$snapshots/e2e.log" 2>&1 \
  || { cat "$snapshots/e2e.log"; fail "the end-to-end tests failed on the installed program"; }
grep -E '^\[  PASSED  \]' "$snapshots/e2e.log"

# The uninstaller returns at once and finishes from a copy of itself.
start=$(date +%s.%N)
"$WINE_DIR/wine64" "C:\\Program Files\\Quorvel\\uninstall.exe" /S </dev/null >/dev/null 2>&1
for ((i = 0; i < 600; i++)); do
  [ -e "$folder" ] || break
  sleep 0.05
done
uninstalled=$(date +%s.%N)
echo "silent uninstall: $(echo "$uninstalled - $start" | bc) s"
[ ! -e "$folder" ] || fail "Program Files\\Quorvel is still there"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
wine reg query "$key" /reg:64 >/dev/null 2>&1 && fail "the uninstall entry is still there"

snapshot after
diff -u "$snapshots/before.files" "$snapshots/after.files" || fail "files changed"
diff -u "$snapshots/before.keys" "$snapshots/after.keys" || fail "the registry changed"
echo "uninstalled: nothing of Quorvel is left, and nothing else changed"
