#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ridi-calc.js against the native ridi-calc on lengths across the whole double range, which
# are written from their shortest digits: std::to_chars gives them natively, Dragonbox in the
# WebAssembly build; and on the texts hardest to read (fast_float natively, the C library's
# strtod in the WebAssembly build). Same bytes, same exit status, in every unit.
#   usage: wide_numbers.sh WORK_DIR LINES NATIVE_RIDI_CALC NODE_RIDI_CALC_JS
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
work=$1
lines=$2
native=$3
web=$4
rm -rf "$work"
mkdir -p "$work"

# Frequencies from 1e-305 to 1e5 with up to 17 significant digits, counts from 1e-3 to 1e5:
# lengths from about 1e-6 to past the double range.
LC_ALL=C awk -v lines="$lines" 'BEGIN {
    srand(16)
    for (i = 0; i < lines; ++i) {
        digits = int(rand() * 17) + 1
        frequency = sprintf("%." (digits - 1) "fe%d", rand() * 9 + 1, int(rand() * 311) - 305)
        count = sprintf("%.3fe%d", rand() * 9 + 1, int(rand() * 9) - 3)
        printf "%s\t%s\tRG-58\n", frequency, count
    }
}' >"$work/wide.tsv"
echo "wide numbers: $(wc -l <"$work/wide.tsv") lines"

# The hardest texts to read: halfway between two neighbouring doubles (which rounds to the even
# one) and a digit either side of halfway, written out in full by Python's fractions. The
# frequencies are so small that a length shows every bit of its double: a frequency read one
# step off gives another length.
python3 - "$lines" >"$work/halfway.tsv" <<'PYTHON'
import math, random, sys
from fractions import Fraction
random.seed(16)
for _ in range(int(sys.argv[1]) // 40):
    low = random.uniform(1, 10) * 10.0 ** random.randint(-300, -290)
    halfway = (Fraction(low) + Fraction(math.nextafter(low, math.inf))) / 2
    scale = halfway.denominator.bit_length() - 1  # the denominator is 2**scale
    digits = halfway.numerator * 5**scale         # halfway == digits * 10**-scale
    for text in (f"{digits}e-{scale}", f"{digits}1e-{scale + 1}", f"{digits - 1}9e-{scale + 1}"):
        print(f"{text}\t1\tRG-58")
PYTHON
echo "halfway texts: $(wc -l <"$work/halfway.tsv") lines, up to $(
    cut -f1 "$work/halfway.tsv" | awk '{ print length }' | sort -n | tail -n 1) characters"

# compare NAME UNIT: the lines of NAME.tsv through both, in UNIT.
compare() {
    local name=$1 unit=$2 stream native_status web_status
    "$native" --batch --unit "$unit" <"$work/$name.tsv" >"$work/native.out" 2>"$work/native.err"
    native_status=$?
    node "$web" --batch --unit "$unit" <"$work/$name.tsv" >"$work/web.out" 2>"$work/web.err"
    web_status=$?
    if [ "$unit" = m ]; then
        echo "$name in metres: $(grep -vc '^error' "$work/native.out") lengths, up to $(
            grep -v '^error' "$work/native.out" | cut -f1 | awk '{ print length }' | sort -n |
                tail -n 1) characters"
    fi
    [ "$native_status" = "$web_status" ] \
        || fail "$name --unit $unit: exit status $native_status natively, $web_status in node"
    for stream in out err; do
        cmp -s "$work/native.$stream" "$work/web.$stream" \
            || fail "$name --unit $unit: standard $stream differs: $(cmp "$work/native.$stream" \
                "$work/web.$stream" | head -n 1)"
    done
}
for unit in m cm mm in ft ft-in; do
    compare wide "$unit"
done
compare halfway m
finish
