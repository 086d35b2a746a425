#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Two builds of the Debian package hold the same: the same control files, and the same files with
# the same modes and bytes. Where they differ, the packages each build was made with (their
# .buildinfo files) show whether the two machines differed.
# Arguments: the two .deb files, each beside its .buildinfo.
source "$(dirname "$0")/../check.sh"
if cmp -s "$1" "$2"; then
    echo "same_contents: $2 is bit-identical to $1"
    finish
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
listing() { # folder
    (cd "$1" && find . -printf '%M %p %l\n' | LC_ALL=C sort)
}
dpkg-deb -R "$1" "$work/first"
dpkg-deb -R "$2" "$work/second"
check_equal "files and modes of $2 and $1" "$(listing "$work/first")" "$(listing "$work/second")"
if ! difference=$(diff -r --no-dereference "$work/first" "$work/second"); then
    fail "the contents of $2 and $1 differ: $difference"
fi
if [ "$failures" -gt 0 ]; then
    build_packages() { # .deb
        sed -n '/^Installed-Build-Depends:/,/^[A-Z]/p' "${1%.deb}.buildinfo" 2>/dev/null
    }
    echo "The packages the two builds were made with, where they differ:"
    diff <(build_packages "$1") <(build_packages "$2") || true
else
    echo "same_contents: $2 holds what $1 holds (the two files differ, their contents do not)"
fi
finish
