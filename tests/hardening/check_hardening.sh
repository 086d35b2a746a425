#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads each program given with readelf and checks the release hardening flags: a
# position-independent executable, full RELRO (read-only relocations bound at start-up), the
# stack protector, and fortified libc calls.
set -u
failures=0
fail() {
    echo "FAIL $1: $2"
    failures=$((failures + 1))
}

# glibc functions that _FORTIFY_SOURCE=2 always replaces with their __*_chk variant when our
# code calls them, whatever it knows of the buffers (they check %n and the arguments).
always_fortified='printf|fprintf|vprintf|vfprintf|dprintf|vdprintf'

for program in "$@"; do
    name=$(basename "$program")
    before=$failures
    if [ ! -f "$program" ]; then
        fail "$name" "no such program: $program"
        continue
    fi
    header=$(readelf --file-header --wide "$program") || {
        fail "$name" "readelf cannot read it"
        continue
    }
    dynamic=$(readelf --dynamic --wide "$program")
    segments=$(readelf --program-headers --wide "$program")
    imports=$(readelf --dyn-syms --wide "$program" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }')

    grep -q 'Type: *DYN' <<<"$header" || fail "$name" "not a position-independent executable"
    grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "$name" "no PIE flag in the dynamic section"
    grep -q 'GNU_RELRO' <<<"$segments" || fail "$name" "no RELRO segment"
    grep -Eq 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "$name" "not linked with -z now"
    grep -qx '__stack_chk_fail' <<<"$imports" || fail "$name" "no stack protector"

    fortified=$(grep -Ec '^__.*_chk$' <<<"$(grep -v '^__stack_chk_fail$' <<<"$imports")")
    unprotected=$(grep -Ex "$always_fortified" <<<"$imports" | tr '\n' ' ')
    [ -z "$unprotected" ] || fail "$name" "libc calls without fortification: $unprotected"

    if [ "$failures" -gt "$before" ]; then
        continue
    elif [ "$fortified" -gt 0 ]; then
        echo "ok $name: PIE, full RELRO, stack protector, $fortified fortified libc functions"
    else
        echo "ok $name: PIE, full RELRO, stack protector, no libc calls that fortify replaces"
    fi
done

[ "$#" -gt 0 ] || fail "hardening" "no programs given"
exit "$((failures > 0))"
