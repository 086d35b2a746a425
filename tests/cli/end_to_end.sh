#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built ridi-calc as a process: arguments, pipes and exit statuses.
# usage: end_to_end.sh [EMULATOR...] RIDI_CALC
set -u
tool=("$@") # the program, after the command that runs it (Wine) if any
failures=0
check() { # what expected actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

check "single calculation" $'RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114' \
    "$("${tool[@]}" 435.850 1 RG-58)"
check "version" "ridi-calc 1.0.0.0" "$("${tool[@]}" --version)"

"${tool[@]}" 0 1 RG-58 >/dev/null 2>&1
check "calculation error status" 1 $?
"${tool[@]}" >/dev/null 2>&1
check "usage error status" 2 $?

batch=$(printf '435.850\t1\tRG-58\nbad line\n8\t1\tRG-142' | "${tool[@]}" --batch)
check "batch status" 1 $?
check "batch output" $'0.172\t0.114\nerror\texpected FREQUENCY<TAB>QUARTER_WAVES<TAB>CABLE, with exactly two tabs\n9.375\t6.562' "$batch"

# Streams that fail are not success: a full disk, a folder as input.
"${tool[@]}" --batch </dev/null >/dev/full 2>/dev/null
check "empty batch to a full disk" 0 $?
printf '100\t1\tRG-58\n' | "${tool[@]}" --batch >/dev/full 2>/dev/null
check "write failure status" 3 $?
"${tool[@]}" 100 1 RG-58 >/dev/full 2>/dev/null
check "write failure status, one cable" 3 $?
"${tool[@]}" 100 1 >/dev/full 2>/dev/null
check "write failure status, every cable" 3 $?

# Batch mode as a coprocess: each line is answered while the input is still open. A read that
# times out fails the check rather than hanging the test.
coproc CALC { "${tool[@]}" --batch --unit cm 2>/dev/null; }
# Bash forgets CALC and CALC_PID once the process has ended, so they are kept here.
calc_pid=$CALC_PID
calc_in=${CALC[1]}
calc_out=${CALC[0]}
answers=()
receive() { # how many lines to read
    local k answer
    for ((k = 0; k < $1; k++)); do
        if ! IFS= read -r -t 10 answer <&"$calc_out"; then
            answers+=("(no answer within 10 s)")
            return
        fi
        answers+=("$answer")
    done
}
printf '100\t1\tRG-58\n' >&"$calc_in"
receive 1
printf '# a comment\n' >&"$calc_in"
receive 1
printf '14.2\t1\tRG-58\n435.850\t1\tH100\n' >&"$calc_in"
receive 2
exec {calc_in}>&-
wait "$calc_pid"
check "answers while the input stays open" $'75.00\t49.50\n# a comment\n528.17\t348.59\n17.21\t14.45' \
    "$(printf '%s\n' "${answers[@]}")"
"${tool[@]}" --batch </ >/dev/null 2>&1
check "read failure status" 3 $?
# A reader that stops early (head): the tool stops too, with status 3 and one line saying so,
# even on endless input, rather than dying of SIGPIPE (141).
yes $'100\t1\tRG-58' | timeout 60 "${tool[@]}" --batch 2>"${TMPDIR:-/tmp}/ridi-calc-pipe.$$" | head -n 1 >/dev/null
check "closed pipe status" 3 "${PIPESTATUS[1]}"
check "closed pipe message" "ridi-calc: cannot write the results (is the disk full or the output closed?)" \
    "$(cat "${TMPDIR:-/tmp}/ridi-calc-pipe.$$")"
rm -f "${TMPDIR:-/tmp}/ridi-calc-pipe.$$"

# Empty input, and a 1 MiB line through a real pipe.
check "empty batch" "" "$("${tool[@]}" --batch </dev/null)"
long=$(head -c 1048576 /dev/zero | tr '\0' ' ')
check "1 MiB line" $'0.750\t0.495' "$(printf '%s100\t1\tRG-58\n' "$long" | "${tool[@]}" --batch)"

# Out of memory in batch mode is said as such, with status 4, not taken for a fault in the tool:
# a 15 MiB line under a limit of 24,000 KB of address space, about three times what the tool
# needs to start and a third of what the line needs. Not where the tool runs under an emulator
# (Wine), nor with AddressSanitizer, whose shadow memory no such limit leaves room for
# (RIDI_NO_MEMORY_LIMIT, set by tests/CMakeLists.txt).
if [ "$#" -eq 1 ] && [ -z "${RIDI_NO_MEMORY_LIMIT:-}" ]; then
    limited() { (ulimit -v 24000 && exec "${tool[@]}" "$@"); }
    check "a short batch within the memory limit" $'0.750\t0.495' \
        "$(printf '100\t1\tRG-58\n' | limited --batch 2>&1)"
    { head -c 15728640 /dev/zero | tr '\0' '0'; printf '100\t1\tRG-58\n'; } |
        limited --batch >/dev/null 2>"${TMPDIR:-/tmp}/ridi-calc-memory.$$"
    check "out of memory status" 4 "${PIPESTATUS[1]}"
    check "out of memory message" "ridi-calc: out of memory; the results written are incomplete" \
        "$(cat "${TMPDIR:-/tmp}/ridi-calc-memory.$$")"
    rm -f "${TMPDIR:-/tmp}/ridi-calc-memory.$$"
fi

[ "$failures" -eq 0 ] && echo "end to end: all passed"
exit "$failures"
