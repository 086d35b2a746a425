#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# ridi-calc.exe under Wine against the Linux ridi-calc: the same bytes on standard output and
# standard error and the same exit status, for a generated batch file of ordinary and hostile
# lines (batch_lines.sh), read from a file and from a pipe, and for single calculations,
# tables, the other modes and usage errors, with non-ASCII, quoted and empty arguments.
#   usage: same_as_linux.sh WORK_DIR LINES LINUX_RIDI_CALC WINE_RUN... RIDI_CALC.EXE
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
work=$1
lines=$2
linux=$3
shift 3
windows=("$@") # the command that runs ridi-calc.exe under Wine, and the program
export LC_ALL=C.UTF-8
rm -rf "$work"
mkdir -p "$work"
checks=0

# same NAME INPUT_FILE ARGS...: both programs with these arguments and this standard input.
same() {
    local name=$1 input=$2
    shift 2
    checks=$((checks + 1))
    "$linux" "$@" <"$input" >"$work/linux.out" 2>"$work/linux.err"
    linux_status=$?
    "${windows[@]}" "$@" <"$input" >"$work/windows.out" 2>"$work/windows.err"
    windows_status=$?
    compare "$name" "$linux_status" "$windows_status"
}

compare() { # name linux_status windows_status
    local problem=
    [ "$2" = "$3" ] || problem="exit status $2 on Linux, $3 on Windows; "
    cmp -s "$work/linux.out" "$work/windows.out" || problem+="standard output differs; "
    cmp -s "$work/linux.err" "$work/windows.err" || problem+="standard error differs; "
    if [ -n "$problem" ]; then
        fail "$1: $problem"
        for stream in out err; do
            if ! cmp -s "$work/linux.$stream" "$work/windows.$stream"; then
                cmp "$work/linux.$stream" "$work/windows.$stream" | head -n 1
                echo "  Linux:   $(head -c 300 "$work/linux.$stream" | od -An -c | head -n 4)"
                echo "  Windows: $(head -c 300 "$work/windows.$stream" | od -An -c | head -n 4)"
            fi
        done
        cp "$work/linux.out" "$work/failed-$checks-linux.out"
        cp "$work/windows.out" "$work/failed-$checks-windows.out"
    fi
}

# The batch file: at least $lines lines over the catalogue, ordinary and hostile.
mapfile -t cables < <("$linux" --cables | awk '{ print $1 }')
[ "${#cables[@]}" -gt 0 ] || { fail "$linux --cables lists no cable"; finish; }
batch=$work/batch.tsv
bash "$(dirname "${BASH_SOURCE[0]}")/batch_lines.sh" "$lines" 8 "${cables[@]}" >"$batch"
line_count=$(wc -l <"$batch")
echo "batch file: $line_count lines, $(wc -c <"$batch") bytes"

same "batch from a file" "$batch" --batch
echo "results: $(wc -l <"$work/linux.out") lines, $(grep -c '^error' "$work/linux.out") of them errors; exit status $linux_status"
# The same through pipes, as a script would feed it.
checks=$((checks + 1))
cat "$batch" | "$linux" --batch 2>"$work/linux.err" | cat >"$work/linux.out"
linux_status=${PIPESTATUS[1]}
cat "$batch" | "${windows[@]}" --batch 2>"$work/windows.err" | cat >"$work/windows.out"
windows_status=${PIPESTATUS[1]}
compare "batch through pipes" "$linux_status" "$windows_status"

# Small batch inputs: lines that end in unusual ways, and lines of the bench.
for text in '' '\n' '\r\n' '100\t1\tRG-58' '100\t1\tRG-58\r' '100\t1\tRG-58\r\r\n' \
    '100\t1\tRG-58\n\032\n200\t1\tRG-58\n' '\032' '100\t1\tH100\r\n\r\n0\t1\tRG-58\r\n' \
    'measure\t1\t49.62\r\nmeasure\t0.3\t49.62\ntrim\t0.36\t145\t138.2\n'; do
    printf "$text" >"$work/small.tsv"
    same "batch $text" "$work/small.tsv" --batch
done

# Arguments, each case on one line: the arguments separated by "|" ("<empty>" for "").
empty=$work/empty
: >"$empty"
while IFS= read -r line; do
    IFS='|' read -r -a args <<<"$line"
    for i in "${!args[@]}"; do
        [ "${args[$i]}" = "<empty>" ] && args[$i]=
    done
    same "arguments: $line" "$empty" "${args[@]}"
done <<'CASES'
435.850|1|RG-58
100|1
1.3|0.5
0|1|RG-58
0|1
435,850|1|RG-58
 435.850 |1|RG-58
-100|1|RG-58
--|-100|1|RG-58
2.5e1|3|H100
1e400|1|RG-58
1e-400|1|RG-58
100|1|RG-999
100|1|rg-58
100|1|Kabel-Ä
Ä|1|RG-58
100|Ä
ケーブル|1|ケーブル
１２|1|RG-58
😀|1|😀
100|1|a b
a b|1|RG-58
x"y|1|RG-58
C:\path\|1|RG-58
"quoted"|1|"
*|1|RG-58
*.*|?
%s%n|1|RG-58
<empty>|<empty>|<empty>
<empty>|1
--measure|1|49.62
--measure|0.3|49.62|--unit|cm
--measure|1|100
--trim|0.36|145|138.2
--trim|1ft 2in|138.2|145|--unit|ft-in
--cables
--help
-h
--version
--batch|100
--cables|--version
--help|x
--unknown
--Ä
-x|1

1
1|2|3|4
--|--help
CASES

# Standard input that cannot be read: a folder.
checks=$((checks + 1))
"$linux" --batch </ >"$work/linux.out" 2>"$work/linux.err"
linux_status=$?
"${windows[@]}" --batch </ >"$work/windows.out" 2>"$work/windows.err"
windows_status=$?
compare "batch from a folder" "$linux_status" "$windows_status"

echo "$((checks - failures)) passed, $failures failed"
finish
