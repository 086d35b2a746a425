#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows programs stand alone: each is a 64-bit program that imports only DLLs every
# Windows has (MinGW's C++, GCC and threads libraries are linked in), and is hardened: its
# address space is laid out at random (with 64-bit addresses) and its data never runs. Each is
# under 1.5 MB: one beyond it carries what it should not (debug information, a second copy of a
# library); the downloads that hold them stay under 1 MB (zip.sh).
#   usage: check_pe.sh OBJDUMP PROGRAM.exe...
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
objdump=$1
shift
# Windows' own DLLs that a program of ours may import.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|msvcrt|uxtheme|dwmapi|shcore|imm32|version|winmm|ws2_32|bcrypt|crypt32|api-ms-win-[a-z0-9-]+)\.dll$'

for program in "$@"; do
    name=$(basename "$program")
    headers=$("$objdump" -p "$program") || {
        fail "$name: $objdump cannot read it"
        continue
    }
    grep -q '^Magic[[:space:]]*020b' <<<"$headers" || fail "$name: not a 64-bit (PE32+) program"
    dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
    [ -n "$dlls" ] || fail "$name: imports no DLL at all"
    while read -r dll; do
        [ -z "$dll" ] && continue
        grep -qiE "$system_dlls" <<<"$dll" || fail "$name imports $dll, which Windows does not have"
    done <<<"$dlls"
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -q "^[[:space:]]*$flag\$" <<<"$headers" || fail "$name lacks $flag"
    done
    size=$(stat -c %s "$program")
    [ "$size" -lt 1500000 ] || fail "$name is $size bytes, not under 1.5 MB"
    echo "$name: $size bytes, imports $(tr '\n' ' ' <<<"$dlls")"
done
finish
