#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/run, the README's first command, as a user runs it without a desktop
# (xvfb-run -a scripts/run): it opens the RI-DI window. Passes once the window is mapped, then
# closes it; fails when scripts/run ends first or no window shows within two minutes.
# Argument: the source folder.
set -u
root=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
xvfb-run -a bash -c '
    "$1/scripts/run" >"$2" 2>&1 &
    run=$!
    for _ in $(seq 1200); do
        if xwininfo -name RI-DI 2>/dev/null | grep -q "Map State: IsViewable"; then
            kill "$run"
            wait "$run" 2>/dev/null
            exit 0
        fi
        kill -0 "$run" 2>/dev/null || { wait "$run"; echo "scripts/run ended with status $?"; exit 1; }
        sleep 0.1
    done
    kill "$run"
    echo "no RI-DI window within two minutes"
    exit 1' _ "$root" "$log"
status=$?
if [ "$status" -ne 0 ]; then
    cat "$log"
    echo "scripts/run did not open the window (above)"
    exit 1
fi
echo "scripts/run opened the RI-DI window"
