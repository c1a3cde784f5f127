# SPDX-License-Identifier: MIT
# Shared by the set-up scripts: the Debian packages each task needs, and a
# helper that installs only what is missing.

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev fonts-liberation
  dpkg-dev qt6-wayland python3 qt6-l10n-tools)
TEST_PACKAGES=(libgtest-dev libgmock-dev locales
  xvfb xauth xdotool xclip x11-utils python3-pyatspi at-spi2-core dbus dbus-bin fonts-dejavu-core
  fonts-noto-core fonts-noto-cjk qt6-translations-l10n openbox)
# libclang-rt-dev: the sanitizer and fuzzer runtimes of the release's default
# clang, whichever version that is (14 on Debian 12, 19 on Debian 13).
CI_PACKAGES=(clang clang-format libclang-rt-dev openssl)
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream gzip devscripts)
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 googletest fonts-wine xvfb xauth locales
  fonts-noto-cjk fonts-noto-core)
WINDOWS_PACKAGE_PACKAGES=(nsis zip osslsigncode)

# Runs a command as root, through sudo when we are not root already.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named Debian packages that are not installed yet.
install_packages() {
  local missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# Makes sure the locales named (de_DE by default, which the locale test
# uses) are installed, in UTF-8.
ensure_test_locale() {
  local name
  for name in "${@:-de_DE}"; do
    if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$"; then
      echo "Generating the $name.UTF-8 locale for the tests"
      as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
    fi
  done
}

# The locales of the catalogues' languages: Wine takes a program's language
# from its locale, which must be installed.
WINDOWS_TEST_LOCALES=(de_DE fr_FR es_ES ja_JP zh_CN ar_EG)

# Starts a private Xvfb display (extra Xvfb options as arguments) and points
# DISPLAY and a fresh XDG_RUNTIME_DIR at it; stop_xvfb ends it. Xvfb picks a
# free display number itself and writes it once it is ready; a server that
# ends without writing one, or does not answer at it, is started again, and
# its messages shown if every try fails.
start_xvfb() {
  local fd number="" try
  XVFB_RUNTIME="$(mktemp -d)"
  for try in 1 2 3; do
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" "$@" -screen 0 1024x768x24 -nolisten tcp >"$XVFB_RUNTIME/xvfb.log" 2>&1 &
    XVFB_PID=$!
    read -r -t 30 -u "$fd" number || true
    exec {fd}>&-
    if [ -n "$number" ] && xvfb_answers ":$number"; then
      export DISPLAY=":$number" XDG_RUNTIME_DIR="$XVFB_RUNTIME"
      return 0
    fi
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    number=""
  done
  echo "Xvfb did not start:" >&2
  cat "$XVFB_RUNTIME/xvfb.log" >&2
  return 1
}

# Whether the server just started answers at display $1 and is still running
# after that: one that lost its number to another server started at the same
# moment may write the number and end. Where xdpyinfo is not installed (the
# Windows tests), that it still runs.
xvfb_answers() {
  if command -v xdpyinfo >/dev/null; then
    local try
    for try in 1 2 3 4 5 6 7 8 9 10; do
      if DISPLAY="$1" xdpyinfo >/dev/null 2>&1; then break; fi
      [ "$try" -lt 10 ] || return 1
      sleep 0.5
    done
  fi
  kill -0 "$XVFB_PID" 2>/dev/null
}

# Waits for the server to end, so that its display number and lock are free
# for the next one.
stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  rm -rf "${XVFB_RUNTIME:-}"
}

# Makes a throw-away Wine prefix for the Windows programs: the classic fonts,
# one virtual desktop (so that the focus goes where Windows would put it),
# and a persistent server with the services up. Run it with a display set;
# stop_wine ends it. Wine's server and services keep whatever output they
# were started with open, so they get /dev/null: a pipeline or CTest would
# otherwise wait on them.
WINE_DIR=/usr/lib/wine
start_wine() {
  WINE_TMP="$(mktemp -d)"
  export WINEPREFIX="$WINE_TMP/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  "$WINE_DIR/wine64" wineboot --init </dev/null >/dev/null 2>&1
  "$WINE_DIR/wine64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
    </dev/null >/dev/null 2>&1
  "$WINE_DIR/wine64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
    </dev/null >/dev/null 2>&1
  # The fonts of a Japanese, Chinese or Arabic desktop. Wine finds them for
  # the windows' own face by the locale's character set; its menus, title
  # bars and message boxes are drawn in Tahoma, which gets them linked, as
  # Windows links its own.
  local face
  for face in "Tahoma"; do
    "$WINE_DIR/wine64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /f \
      /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP\0NotoSansCJK-Regular.ttc,Noto Sans CJK SC\0NotoSansArabic-Regular.ttf,Noto Sans Arabic' \
      </dev/null >/dev/null 2>&1
  done
  "$WINE_DIR/wineserver" -w
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  cp /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc \
    /usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc \
    /usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf \
    /usr/share/fonts/truetype/noto/NotoSansArabic-Bold.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$WINE_DIR/wineserver" -p </dev/null >/dev/null 2>&1
  "$WINE_DIR/wine64" wineboot </dev/null >/dev/null 2>&1
}

stop_wine() {
  "$WINE_DIR/wineserver" -k >/dev/null 2>&1 || true
  rm -rf "${WINE_TMP:-}"
}

# Exports SOURCE_DATE_EPOCH, the one time stamp of the artefacts: the
# caller's when set, else the time of the commit being built, else the
# release date (cmake/SourceDateEpoch.cmake decides). Packages built with it
# do not depend on when they were built.
export_source_date_epoch() {
  SOURCE_DATE_EPOCH="$(cmake -P cmake/SourceDateEpoch.cmake)"
  export SOURCE_DATE_EPOCH
}

# An awk function for the benchmarks: median(v, count) of v[1..count].
AWK_MEDIAN='
  function median(v, count,   i, j, t) {
    for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return count % 2 ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
  }'
