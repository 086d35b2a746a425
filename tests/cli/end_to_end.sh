#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built ridi-calc as a process: arguments, pipes and exit statuses.
set -u
tool=$1
failures=0
check() { # what expected actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

check "single calculation" $'RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114' \
    "$("$tool" 435.850 1 RG-58)"
check "version" "ridi-calc 1.0.0.0" "$("$tool" --version)"

"$tool" 0 1 RG-58 >/dev/null 2>&1
check "calculation error status" 1 $?
"$tool" >/dev/null 2>&1
check "usage error status" 2 $?

batch=$(printf '435.850\t1\tRG-58\n1.3\t1\tRG-142\nbad line\n8\t1\tRG-142' | "$tool" --batch)
check "batch status" 1 $?
check "batch output" $'0.172\t0.114\n57.692\t40.384\nerror\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs\n9.375\t6.562' "$batch"

# Streams that fail are not success: a full disk, a folder as input.
"$tool" --batch </dev/null >/dev/full 2>/dev/null
check "empty batch to a full disk" 0 $?
printf '100\t1\tRG-58\n' | "$tool" --batch >/dev/full 2>/dev/null
check "write failure status" 3 $?
"$tool" --batch </ >/dev/null 2>&1
check "read failure status" 3 $?
# A reader that stops early (head): the tool stops too, with status 3 and one line saying so,
# even on endless input, rather than dying of SIGPIPE (141).
yes $'100\t1\tRG-58' | timeout 60 "$tool" --batch 2>"${TMPDIR:-/tmp}/ridi-calc-pipe.$$" | head -n 1 >/dev/null
check "closed pipe status" 3 "${PIPESTATUS[1]}"
check "closed pipe message" "ridi-calc: cannot write the results (is the disk full or the output closed?)" \
    "$(cat "${TMPDIR:-/tmp}/ridi-calc-pipe.$$")"
rm -f "${TMPDIR:-/tmp}/ridi-calc-pipe.$$"

# Empty input, and a 1 MiB line through a real pipe.
check "empty batch" "" "$("$tool" --batch </dev/null)"
long=$(head -c 1048576 /dev/zero | tr '\0' ' ')
check "1 MiB line" $'0.750\t0.495' "$(printf '%s100\t1\tRG-58\n' "$long" | "$tool" --batch)"

[ "$failures" -eq 0 ] && echo "end to end: all passed"
exit "$failures"
