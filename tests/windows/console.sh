#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ridi-calc.exe writing to a console: non-ASCII text in its messages reads right. Wine makes a
# console of a terminal, so the program runs in one that script(1) provides, and what the
# terminal shows is read back. Redirected streams are same_as_linux.sh's part.
#   usage: console.sh WINE_PREFIX RIDI_CALC.EXE
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$1"
program=$2

# The terminal's text, without the console's cursor and colour sequences and carriage returns.
# Standard input is the terminal too, or the file named by $input.
on_console() {
    local command
    command=$(printf '%q ' wine "$program" "$@")
    [ -n "${input:-}" ] && command+=" <$(printf '%q' "$input")"
    timeout --kill-after=10 60 script --quiet --return --command "$command" /dev/null </dev/null |
        sed 's/\x1b\[[0-9;?]*[A-Za-z]//g; s/\r//g'
}

expect() { # what expected_text actual
    grep -qF -- "$2" <<<"$3" ||
        fail "$(printf '%s\n  expected to see: %s\n  the console showed: %q' "$1" "$2" "$3")"
}

expect "a message quoting a non-ASCII argument" \
    'ridi-calc: The frequency "Ä½€" is not a number' "$(on_console 'Ä½€' 1 RG-58)"
expect "results" $'RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114' \
    "$(on_console 435.850 1 RG-58)"
# Standard input from a file, standard output the console: batch error lines with the input.
# (The console shows a tab as blanks to the next multiple of 8.)
batch=$(mktemp)
trap 'rm -f "$batch"' EXIT
printf '435.850\t1\tRG-58\r\nÄ\t1\tRG-58\n' >"$batch"
expect "batch lines from a file" \
    $'0.172   0.114\nerror   The frequency "Ä" is not a number' \
    "$(input=$batch on_console --batch)"

finish
