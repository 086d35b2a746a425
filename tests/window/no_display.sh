#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program started where there is no display, or with one named that cannot be
# reached, says so in one line on standard error and ends with status 1, rather than aborting.
# Argument: the ridi program.
set -u
ridi=$1
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0
check() { # what expected actual
    [ "$2" = "$3" ] && return
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
}
# case message-start environment...
try() {
    local case=$1 message=$2
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$ridi" >"$out" 2>"$err"
    check "$case: exit status" 1 "$?"
    check "$case: standard output" "" "$(cat "$out")"
    check "$case: lines on standard error" 1 "$(wc -l <"$err")"
    grep -q "^$message" "$err" || check "$case: the message" "$message..." "$(cat "$err")"
}
try "no display named" "ridi: no display"
# A display number with no X server: none listens on its socket.
number=4242
while [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
try "DISPLAY=:$number, not there" "ridi: cannot open the display :$number" DISPLAY=":$number"
try "DISPLAY=:$number with the xcb platform" "ridi: cannot open the display :$number" \
    DISPLAY=":$number" QT_QPA_PLATFORM=xcb
[ "$failures" -eq 0 ] && echo "no_display: all passed"
exit "$((failures > 0))"
