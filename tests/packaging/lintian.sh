#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checker, pedantic and informational tags included, finds nothing in the source
# package (.dsc), the binary packages (.deb) and the .buildinfo: each tag it knows of is fixed,
# or overridden in debian/ with a comment saying why. Argument: the .changes of the build.
source "$(dirname "$0")/../check.sh"
changes=$1
[ -f "$changes" ] || fail "no $changes"
# Lintian says on standard error that it dislikes running as root; its findings go to standard
# output, one "E:", "W:", "I:", "P:" ... line each.
report=$(lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$changes" 2>/dev/null)
status=$?
tags=$(grep -E '^[A-Z]: ' <<<"$report")
if [ -n "$tags" ] || [ "$status" -ne 0 ]; then
    fail "lintian --pedantic --display-info $(basename "$changes") exits with $status and finds:"
    echo "$report"
    echo "Fix each, or override it with a comment saying why in debian/ridi.lintian-overrides" \
        "(the binary package) or debian/source/lintian-overrides (the source package)."
fi
finish
