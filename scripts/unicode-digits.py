#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Prints the table of app/characters.cpp: the first code point of every run
of ten decimal digits (general category Nd) in the Unicode Character
Database, which Debian's unicode-data package installs.

    python3 scripts/unicode-digits.py [/usr/share/unicode/UnicodeData.txt]
"""
import sys

path = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode/UnicodeData.txt"
zeros = []
with open(path, encoding="utf-8") as data:
    for line in data:
        fields = line.split(";")
        if fields[2] == "Nd" and fields[6] == "0":
            zeros.append(int(fields[0], 16))
print(",\n".join(", ".join(f"0x{zero:05X}" for zero in zeros[i:i + 8])
                 for i in range(0, len(zeros), 8)))
