#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program started where there is no display says so in one line on standard error
# and ends with status 1, rather than aborting. Argument: the ridi program.
set -u
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" >"$out" 2>"$err"
status=$?
failures=0
check() { # what expected actual
    [ "$2" = "$3" ] && return
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
}
check "exit status" 1 "$status"
check "standard output" "" "$(cat "$out")"
check "lines on standard error" 1 "$(wc -l <"$err")"
grep -q '^ridi: no display' "$err" || check "the message" "ridi: no display ..." "$(cat "$err")"
[ "$failures" -eq 0 ] && echo "no_display: all passed"
exit "$((failures > 0))"
