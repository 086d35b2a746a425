#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes COUNT batch lines for ridi-calc --batch to standard output, the same for the same SEED:
# mostly ordinary lines over the cable catalogue, and hostile ones: CRLF and other line ends,
# invalid UTF-8, non-ASCII text, NUL and control bytes, blanks, signs and exponents, numbers
# too long, too large and too small, empty fields, missing and extra tabs, unknown cables and
# names that differ from the catalogue's only in case or blanks, Ctrl+Z, lines without fields;
# then one line longer than ridi-calc's 16 MiB limit and a last line with no line break.
#   usage: batch_lines.sh COUNT SEED CABLE...
set -euo pipefail
count=$1
seed=$2
shift 2
cables="$*"

LC_ALL=C awk -v count="$count" -v seed="$seed" -v cables="$cables" '
function pick(pool, size) { return pool[int(rand() * size) + 1] }
function repeat(text, times,    out) { out = ""; while (times-- > 0) out = out text; return out }
function ordinary_frequency(    r) {
    r = rand()
    if (r < 0.4) return sprintf("%.3f", rand() * 3000)
    if (r < 0.6) return sprintf("%d", int(rand() * 10000) + 1)
    if (r < 0.7) return sprintf("%.6f", rand() * 10)
    if (r < 0.8) return sprintf("%.2fe%d", rand() * 10, int(rand() * 7) - 3)
    if (r < 0.9) return sprintf("-%.3f", rand() * 500)
    return sprintf(".%d", int(rand() * 1000))
}
function ordinary_quarters(    r) {
    r = rand()
    if (r < 0.5) return sprintf("%d", int(rand() * 8) + 1)
    if (r < 0.8) return sprintf("%.2f", rand() * 20)
    return sprintf("%.1fE%d", rand() * 9, int(rand() * 3))
}
function hostile_field(    r) {
    r = rand()
    if (r < 0.6) return pick(hostile, hostile_count)
    if (r < 0.7) return ordinary_frequency()
    if (r < 0.8) return pick(cable, cable_count)
    if (r < 0.9) return sprintf("%c%c", int(rand() * 256), int(rand() * 256))
    return sprintf(" %s\t", ordinary_quarters())
}
BEGIN {
    srand(seed)
    cable_count = split(cables, cable, " ")
    n = 0
    # Numbers and texts a batch file may hold by mistake or malice.
    hostile[++n] = ""
    hostile[++n] = " "
    hostile[++n] = "  435.850  "
    hostile[++n] = "0"
    hostile[++n] = "-0"
    hostile[++n] = "+7"
    hostile[++n] = "-"
    hostile[++n] = "+"
    hostile[++n] = "."
    hostile[++n] = "1."
    hostile[++n] = "435,850"
    hostile[++n] = "1,2,3"
    hostile[++n] = "1e400"
    hostile[++n] = "-1e400"
    hostile[++n] = "1e-400"
    hostile[++n] = "4.9e-324"
    hostile[++n] = "1.7976931348623157e308"
    hostile[++n] = "0x10"
    hostile[++n] = "nan"
    hostile[++n] = "inf"
    hostile[++n] = "-Infinity"
    hostile[++n] = "1e"
    hostile[++n] = "e5"
    hostile[++n] = "1 2"
    hostile[++n] = "abc"
    hostile[++n] = "1" repeat("0", 400)
    hostile[++n] = "0." repeat("0", 400) "1"
    hostile[++n] = repeat("9", 1000) "." repeat("9", 1000)
    hostile[++n] = "\303\204"                  # Ä
    hostile[++n] = "Kabel-\303\204"
    hostile[++n] = "\343\202\261\343\203\274\343\203\226\343\203\253"  # a Japanese word
    hostile[++n] = "\360\237\230\200"          # an emoji, outside the BMP
    hostile[++n] = "\357\274\221\357\274\222"  # full-width digits
    hostile[++n] = "\331\241\331\242"          # Arabic-Indic digits
    hostile[++n] = "\302\240" "100"            # a no-break space before the number
    hostile[++n] = "\377\376"                  # not UTF-8
    hostile[++n] = "\300\257"                  # an overlong slash
    hostile[++n] = "\355\240\200"              # an encoded surrogate
    hostile[++n] = "\364\220\200\200"          # past U+10FFFF
    hostile[++n] = "\303"                      # a sequence cut short
    hostile[++n] = "abc\000def"                # NUL
    hostile[++n] = "\033[31m"                  # an escape sequence
    hostile[++n] = "\032"                      # Ctrl+Z, the end of a text file to old DOS
    hostile[++n] = "\r"
    hostile[++n] = "x\ry"
    hostile[++n] = "\f\v\b"
    hostile[++n] = "rg-58"
    hostile[++n] = "RG58"
    hostile[++n] = " RG-58"
    hostile[++n] = "RG-58 "
    hostile[++n] = "RG-999"
    hostile[++n] = repeat("X", 3000)
    hostile[++n] = repeat("\303\204", 2000)
    hostile[++n] = "\"quoted\""
    hostile[++n] = "%s%n%d"
    hostile[++n] = "C:\\path\\"
    hostile[++n] = "*?"
    hostile_count = n
    # How lines end.
    ending[1] = "\n"; ending[2] = "\r\n"; ending[3] = "\r\r\n"; ending[4] = "\n\n"
    ending[5] = "\n\r\n"; ending[6] = "\032\n"; ending[7] = " \n"; ending[8] = "\t\n"
    for (i = 1; i <= count; ++i) {
        r = rand()
        if (r < 0.5) {
            printf "%s\t%s\t%s\n", ordinary_frequency(), ordinary_quarters(), pick(cable, cable_count)
        } else if (r < 0.6) {
            printf "%s\t%s\t%s\r\n", ordinary_frequency(), ordinary_quarters(), pick(cable, cable_count)
        } else if (r < 0.9) {
            printf "%s\t%s\t%s%s", hostile_field(), hostile_field(), hostile_field(), pick(ending, 8)
        } else if (r < 0.95) {
            # Too few or too many tabs.
            fields = int(rand() * 6)
            line = ""
            for (f = 0; f < fields; ++f) line = line (f ? "\t" : "") hostile_field()
            printf "%s%s", line, pick(ending, 8)
        } else {
            printf "%s", pick(ending, 8)
        }
    }
}'
# One line past the 16 MiB limit, a line after it, and a last line without a line break.
head -c $((16 * 1024 * 1024 + 10)) /dev/zero | tr '\0' '1'
printf '\t1\tRG-58\n100\t1\tRG-58\n435.850\t1\tRG-58'
