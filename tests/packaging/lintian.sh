#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checker finds no error and no warning in the package, and the package names the
# maintainer the build was configured with (the second argument).
source "$(dirname "$0")/lib.sh" "$1"
maintainer=$2

deb=$(deb_path)
[ -f "$deb" ] || fail "no package $deb"
check_equal "Maintainer" "$maintainer" "$(dpkg-deb -f "$deb" Maintainer)"
# Lintian says on standard error that it dislikes running as root; its findings go to standard
# output, one "E:", "W:", "I:" ... line each.
if report=$(lintian --fail-on error,warning "$deb" 2>/dev/null); then :; else
    fail "lintian $deb exits with $?"
fi
check_equal "lintian errors and warnings" "" "$(grep -E '^[EW]: ' <<<"$report")"
finish
