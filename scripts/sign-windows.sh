#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signs a Windows program in place with the release's code-signing
# certificate: QUORVEL_SIGNING_PKCS12 names the PKCS#12 file, and
# QUORVEL_SIGNING_PASSWORD holds its password (empty when it has none).
# QUORVEL_SIGNING_TIMESTAMP_URL, when set, names a time-stamping server.
# The signing time is SOURCE_DATE_EPOCH when set, so that without a
# time-stamping server the same program and certificate give the same bytes.
# The build calls it only when QUORVEL_SIGNING_PKCS12 was set at configure
# time.
# Usage: scripts/sign-windows.sh FILE
set -euo pipefail
file="$1"
: "${QUORVEL_SIGNING_PKCS12:?names no certificate}"
# The password goes through a private file, not the command line.
password="$(mktemp)"
signed="$file.signed"
trap 'rm -f "$password" "$signed"' EXIT
printf '%s' "${QUORVEL_SIGNING_PASSWORD:-}" > "$password"
options=(-pkcs12 "$QUORVEL_SIGNING_PKCS12" -readpass "$password" -h sha256 -n Quorvel)
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then options+=(-time "$SOURCE_DATE_EPOCH"); fi
if [ -n "${QUORVEL_SIGNING_TIMESTAMP_URL:-}" ]; then options+=(-ts "$QUORVEL_SIGNING_TIMESTAMP_URL"); fi
rm -f "$signed"
osslsigncode sign "${options[@]}" -in "$file" -out "$signed" >/dev/null
mv "$signed" "$file"
