#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed manual pages render without a warning from man or groff, and the page of
# ridi-calc keeps up with the program: every option of --help and the catalogue of --cables.
source "$(dirname "$0")/lib.sh" "$1"
man_dir=$stage/usr/share/man/man1
bin_dir=$stage/usr/bin

for page in "$man_dir"/*.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    check_equal "warnings of man for $(basename "$page")" "" "$warnings"
    warnings=$(gzip -dc "$page" | groff -man -ww -z 2>&1)
    check_equal "warnings of groff for $(basename "$page")" "" "$warnings"
    text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
    grep -q "^NAME" <<<"$text" || fail "$(basename "$page") has no NAME section"
done
[ -e "$man_dir/ridi-calc.1.gz" ] || fail "no manual page of ridi-calc"

source=$(gzip -dc "$man_dir/ridi-calc.1.gz")
for option in $("$bin_dir/ridi-calc" --help | grep -o -- '--[a-z]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$source" || fail "the manual page lacks $option"
done
# Every exit status of --help, and no other, is explained in the manual page.
help_statuses=$("$bin_dir/ridi-calc" --help | sed -n '/^exit status:/,$p' | grep -oE '(: |, |^)[0-9]+ ' |
    grep -oE '[0-9]+' | tr '\n' ' ')
man_statuses=$(sed -n '/^\.SH EXIT STATUS/,/^\.SH [^E]/p' <<<"$source" | sed -n 's/^\.B \([0-9]*\)$/\1/p' |
    tr '\n' ' ')
check_equal "exit statuses of the manual page" "$help_statuses" "$man_statuses"
# The catalogue is the one example block of the CABLES section.
catalogue=$(sed -n '/^\.SH CABLES/,/^\.SH/{/^\.EX/,/^\.EE/p}' <<<"$source" | sed '1d;$d')
check_equal "catalogue of the manual page" "$("$bin_dir/ridi-calc" --cables)" "$catalogue"
finish
