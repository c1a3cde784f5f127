#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows installer in a fresh Wine prefix on a private Xvfb
# display: installs an older version and then it over that one, silently;
# checks the files, the Start-menu shortcut and the uninstall entry; tries to
# update and to uninstall while the program runs, which must fail and change
# nothing; starts the installed program from its shortcut and runs the
# Windows end-to-end tests against it; refuses a /D that names another
# folder; walks the interactive folder page, which must send the user back
# from a folder it cannot use; uninstalls it. Then installs into a folder
# that holds another program's files, and again without a folder, which must
# go to the same place; uninstalls it. Checks that nothing of
# Quorvel is left and nothing else changed, the other program's files least
# of all. With QUORVEL_SIGNING_CA naming the certificate the release was
# signed with, it also verifies the signatures of the installer, the
# installed program and its uninstaller.
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
# The seconds from one `date +%s.%N` to another.
seconds() { awk -v from="$1" -v to="$2" 'BEGIN { printf "%.2f", to - from }'; }
# Runs a Windows program and gives its exit code.
status() {
  local code=0
  "$WINE_DIR/wine64" "$@" </dev/null >/dev/null 2>&1 || code=$?
  echo "$code"
}

drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Quorvel"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvel.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
entry_value() { wine reg query "$key" /v "$1" /reg:64 | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }

# Another program's folder, C:\Tools, with files of the names Quorvel uses.
tools="$drive/Tools"
mkdir -p "$tools"
head -c 8M /dev/urandom > "$tools/data.bin"
echo "another program's licence" > "$tools/LICENSE.txt"
head -c 4096 /dev/urandom > "$tools/uninstall.exe"
(cd "$tools" && sha256sum data.bin LICENSE.txt uninstall.exe) > "$snapshots/tools.sums"
tools_unchanged() {
  (cd "$tools" && sha256sum --quiet -c "$snapshots/tools.sums") || fail "the other program's files changed"
}
# A folder Quorvel cannot use: it holds other files, and so does the Quorvel
# folder in it.
crowded="$drive/Crowded"
mkdir -p "$crowded/Quorvel"
echo "a file" > "$crowded/notes.txt"
echo "another file" > "$crowded/Quorvel/notes.txt"

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
python3 scripts/translations.py nsis "$snapshots/languages.nsh"
makensis -V2 -NOCD -DVERSION=0.9.0 -DPROGRAM=build/mingw/quorvel.exe \
  -DLICENSE=LICENSE -DICON=packaging/icons/quorvel.ico "-DOUTFILE=$older" \
  "-DLANGUAGES=$snapshots/languages.nsh" packaging/windows/quorvel.nsi
wine "Z:$older" /S
grep -q "0.9.0" <<< "$(wine reg query "$key" /reg:64)" || fail "the older version did not install"

start=$(date +%s.%N)
code=$(status "$(realpath "$setup")" /S)
installed=$(date +%s.%N)
[ "$code" = 0 ] || fail "the install over 0.9.0 gave exit code $code"
echo "silent install: $(seconds "$start" "$installed") s"

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
cmp -s "$folder/quorvel.exe" build/mingw-release/package/staging/Quorvel/quorvel.exe \
  || fail "the older program was not replaced"
echo "installed over 0.9.0: files, shortcut and uninstall entry are there"

if [ -n "${QUORVEL_SIGNING_CA:-}" ]; then
  for file in "$setup" "$folder/quorvel.exe" "$folder/uninstall.exe"; do
    osslsigncode verify -CAfile "$QUORVEL_SIGNING_CA" -in "$file" >/dev/null \
      || fail "$(basename "$file") is not signed by the release's certificate"
  done
  echo "signed: the installer, the program and the uninstaller"
fi

# While the program runs, an update and an uninstall fail and change nothing.
"$WINE_DIR/wine64" 'C:\Program Files\Quorvel\quorvel.exe' </dev/null >/dev/null 2>&1 &
running=$!
sleep 3
cp "$folder/quorvel.exe" "$snapshots/installed.exe"
code=$(status "$(realpath "$setup")" /S)
[ "$code" = 3 ] || fail "an update while the program runs gave exit code $code, not 3"
cmp -s "$folder/quorvel.exe" "$snapshots/installed.exe" || fail "the running program was changed"
code=$(status 'C:\Program Files\Quorvel\uninstall.exe' /S '_?=C:\Program' 'Files\Quorvel')
[ "$code" = 3 ] || fail "an uninstall while the program runs gave exit code $code, not 3"
for file in quorvel.exe LICENSE.txt uninstall.exe; do
  [ -f "$folder/$file" ] || fail "an uninstall while the program runs removed $file"
done
wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "an uninstall while the program runs removed the entry"
kill "$running"
wait "$running" 2>/dev/null || true
echo "while the program runs: the update and the uninstall stop with exit code 3, changing nothing"

# In the C locale, as CTest runs them: Wine takes the user locale from it.
LC_ALL=C QUORVEL_EXE='C:\Program Files\Quorvel\quorvel.exe' \
QUORVEL_START='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quorvel.lnk' \
  "$WINE_DIR/wine64" "$tests" </dev/null > "$snapshots/e2e.log" 2>&1 \
  || { cat "$snapshots/e2e.log"; fail "the end-to-end tests failed on the installed program"; }
grep -E '^\[  PASSED  \]' "$snapshots/e2e.log"

# /D naming another folder than the installed copy's is refused, and changes
# nothing; naming the copy's own folder updates it there.
code=$(status "$(realpath "$setup")" /S '/D=C:\Elsewhere')
[ "$code" = 7 ] || fail "an install into C:\\Elsewhere over the installed copy gave exit code $code, not 7"
[ ! -e "$drive/Elsewhere" ] || fail "the refused install made C:\\Elsewhere"
cmp -s "$folder/quorvel.exe" "$snapshots/installed.exe" || fail "the refused install changed the program"
[ "$(entry_value InstallLocation)" = 'C:\Program Files\Quorvel' ] || fail "the refused install moved the entry"
code=$(status "$(realpath "$setup")" /S '/D=C:\Program' 'Files\Quorvel')
[ "$code" = 0 ] || fail "an install with /D naming the installed copy's folder gave exit code $code"
echo "/D over the installed copy: another folder refused with exit code 7, its own folder updated"


# The uninstaller returns at once and finishes from a copy of itself.
start=$(date +%s.%N)
"$WINE_DIR/wine64" "C:\\Program Files\\Quorvel\\uninstall.exe" /S </dev/null >/dev/null 2>&1
for ((i = 0; i < 600; i++)); do
  [ -e "$folder" ] || break
  sleep 0.05
done
uninstalled=$(date +%s.%N)
echo "silent uninstall: $(seconds "$start" "$uninstalled") s"
[ ! -e "$folder" ] || fail "Program Files\\Quorvel is still there"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
wine reg query "$key" /reg:64 >/dev/null 2>&1 && fail "the uninstall entry is still there"

# The folder page, walked as a user does: a folder that cannot be used sends
# the user back to it, and Cancel leaves nothing. (With Quorvel installed
# there is no folder page: the update goes where the copy is.)
LC_ALL=C QUORVEL_SETUP="Z:$(realpath "$setup")" QUORVEL_SETUP_FOLDER='C:\Crowded' \
  "$WINE_DIR/wine64" "$tests" --gtest_filter='QuorvelSetupTest.*' </dev/null > "$snapshots/setup.log" 2>&1 \
  || { cat "$snapshots/setup.log"; fail "the folder page did not send the user back"; }
grep -q '^\[       OK \] QuorvelSetupTest' "$snapshots/setup.log" || { cat "$snapshots/setup.log"; fail "the folder page was not tried"; }
[ -z "$(ls "$crowded/Quorvel" | grep -v notes.txt)" ] || fail "the cancelled install wrote into C:\\Crowded\\Quorvel"
code=$(status "$(realpath "$setup")" /S '/D=C:\Crowded')
[ "$code" = 6 ] || fail "a silent install into C:\\Crowded gave exit code $code, not 6"
[ -z "$(ls "$crowded/Quorvel" | grep -v notes.txt)" ] || fail "the refused install wrote into C:\\Crowded\\Quorvel"
echo "the folder page: C:\\Crowded, unusable, sends the user back to choose another; silent, exit code 6"

# Into the other program's folder: Quorvel goes into a folder of its own.
code=$(status "$(realpath "$setup")" /S '/D=C:\Tools')
[ "$code" = 0 ] || fail "the install into C:\\Tools gave exit code $code"
for file in quorvel.exe LICENSE.txt uninstall.exe; do
  [ -f "$tools/Quorvel/$file" ] || fail "$file is not in C:\\Tools\\Quorvel"
done
tools_unchanged
[ "$(entry_value InstallLocation)" = 'C:\Tools\Quorvel' ] || fail "the entry names another folder"
size=$(( $(entry_value EstimatedSize) ))
own=$(( ($(cat "$tools/Quorvel/"* | wc -c) + 1023) / 1024 ))
[ "$size" = "$own" ] || fail "the recorded size is $size KiB, the program's own files $own KiB"
echo "into C:\\Tools: installed into C:\\Tools\\Quorvel, the other program's files unchanged, $size KiB recorded"

# Installed again without a folder: the update goes where the copy is.
code=$(status "$(realpath "$setup")" /S)
[ "$code" = 0 ] || fail "the second install gave exit code $code"
[ ! -e "$folder" ] || fail "the second install made a copy in Program Files"
[ "$(entry_value InstallLocation)" = 'C:\Tools\Quorvel' ] || fail "the entry moved"
echo "installed again without a folder: updated in C:\\Tools\\Quorvel"

# The silent uninstall as "Apps & features" records it returns when done. The
# uninstaller cannot delete itself while it runs; Wine cannot move it out
# either, so it goes at the restart.
code=$(status 'C:\Tools\Quorvel\uninstall.exe' /S '_?=C:\Tools\Quorvel')
[ "$code" = 0 ] || fail "the silent uninstall gave exit code $code"
for file in quorvel.exe LICENSE.txt; do
  [ ! -e "$tools/Quorvel/$file" ] || fail "the uninstall left $file"
done
wine reg query "$key" /reg:64 >/dev/null 2>&1 && fail "the uninstall entry is still there"
"$WINE_DIR/wine64" wineboot -r </dev/null >/dev/null 2>&1
[ ! -e "$tools/Quorvel" ] || fail "C:\\Tools\\Quorvel is still there after a restart"
tools_unchanged
echo "uninstalled from C:\\Tools\\Quorvel: the other program's files unchanged"

snapshot after
diff -u "$snapshots/before.files" "$snapshots/after.files" || fail "files changed"
diff -u "$snapshots/before.keys" "$snapshots/after.keys" || fail "the registry changed"
echo "uninstalled: nothing of Quorvel is left, and nothing else changed"
