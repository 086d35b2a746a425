#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The zip, a download under 1 MB (10^6 bytes), holds exactly the shipped files, at its top, as
# staged; the read-me and the licence are plain text with Windows line ends, the licence being
# COPYING; ridi-calc.exe runs from the unpacked folder.
#   usage: zip.sh WINE_PREFIX ZIP STAGE COPYING VERSION SHIPPED_FILE...
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$1"
zip=$2
stage=$3
copying=$4
version=$5
shift 5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

size=$(stat -c %s "$zip")
[ "$size" -lt 1000000 ] || fail "the zip is $size bytes, not under 1 MB"
unzip -q "$zip" -d "$work/unpacked" || fail "unzip cannot read $zip"
expected=$(printf '%s\n' "$@" | LC_ALL=C sort)
actual=$(cd "$work/unpacked" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort)
[ "$expected" = "$actual" ] || fail "the zip holds: $(echo $actual); expected: $(echo $expected)"
for file in "$@"; do
    cmp -s "$stage/$file" "$work/unpacked/$file" || fail "$file in the zip is not the staged file"
done

crlf_text() { # file: ASCII, every line ended by CR LF
    local file=$1
    LC_ALL=C grep -q '[^[:print:][:space:]]' "$file" && fail "$file holds more than plain ASCII"
    [ "$(tr -cd '\n' <"$file" | wc -c)" -gt 0 ] || fail "$file has no lines"
    [ "$(tr -cd '\n' <"$file" | wc -c)" = "$(grep -c $'\r$' "$file")" ] ||
        fail "$file has lines that do not end in CR LF"
    [ -z "$(tail -c 2 "$file" | tr -d '\r\n')" ] || fail "$file does not end with a line end"
}
readme=$work/unpacked/README.txt
crlf_text "$readme"
grep -q "RI-DI $version for Windows" "$readme" || fail "README.txt does not name version $version"
for file in "$@"; do
    [ "$file" = README.txt ] || grep -qF "$file" "$readme" || fail "README.txt does not mention $file"
done
crlf_text "$work/unpacked/COPYING.txt"
sed 's/$/\r/' "$copying" | cmp -s - "$work/unpacked/COPYING.txt" ||
    fail "COPYING.txt is not COPYING with Windows line ends"

check_equal "ridi-calc.exe --version from the zip" "ridi-calc $version" \
    "$(ridi_wine "$work/unpacked/ridi-calc.exe" --version)"
finish
