#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ridi-calc.exe in a console: non-ASCII text in its messages reads right, and text typed into
# the console reaches it as UTF-8, up to Ctrl+Z. Wine makes a console of a terminal, so the
# program writes to one that script(1) provides, and what the terminal shows is read back; the
# typing goes into a console of Wine's own (console_typist.exe), which needs a display. Also a
# pipe from another Windows program that closes it, as in a Command Prompt; the other
# redirected streams are same_as_linux.sh's part.
#   usage: console.sh WINE_PREFIX RIDI_CALC.EXE CONSOLE_TYPIST.EXE
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$1"
program=$2
typist=$3

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
# A letter cut in two by the end of the console layer's 4096-byte buffer is written whole: its
# first byte is the buffer's last (63 copied comment lines of 64 bytes, then 63 bytes).
line="# $(printf 'x%.0s' {1..61})"
for _ in {1..63}; do echo "$line"; done >"$batch"
echo "${line}Ä" >>"$batch"
shown=$(input=$batch on_console --batch)
expect "a letter across two of the console's buffers" "${line}Ä" "$shown"
grep -qF $'\uFFFD' <<<"$shown" && fail "the console shows U+FFFD for a letter cut by its buffer"

# Lines written into a pipe by another Windows program, which then closes its end, as the
# writer of `type lines.tsv | ridi-calc --batch` does: a closed pipe is the end of the input,
# not a failure to read it. (A pipe from outside Wine ends otherwise, so the writer is one.)
piped=$(printf '435.850\t1\tRG-58\n100\t1\tRG-58' | ridi_wine "$typist" --pipe "$program" --batch)
check_equal "the exit status of a batch from a pipe its writer closed" 0 "$?"
check_equal "a batch from a pipe its writer closed" "$(printf '0.172\t0.114\n0.750\t0.495')" \
    "$piped"

# Lines typed in a console, then Ctrl+Z and Enter: what follows is not read.
if [ -n "${DISPLAY:-}" ]; then
    typed=$(printf '435.850\t1\tRG-58\n0\t1\tKabel-Ä\nÄ😀\t1\tRG-58\n\032\n100\t1\tRG-58\n' |
        ridi_wine "$typist" "$program" --batch)
    check_equal "the exit status of a batch typed in a console" 1 "$?"
    check_equal "a batch typed in a console" \
        "$(printf '0.172\t0.114\nerror\t%s\nerror\t%s' \
            'The frequency must not be 0: enter the centre frequency in MHz, for example 435.850.' \
            'The frequency "Ä😀" is not a number: enter the centre frequency in MHz, for example 435.850.')" \
        "$typed"
else
    echo "no display: typing into a console not tried"
fi
finish
