#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Wine of the Windows tests, as a CTest fixture: "wine_fixture.sh start PREFIX" makes the
# prefix once and starts its lasting wineserver and services before the tests that run Windows
# programs; "wine_fixture.sh stop PREFIX" ends them after.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$2"
case $1 in
    start)
        started=$SECONDS
        ridi_wine_start || exit 1
        echo "Wine ready in $WINEPREFIX after $((SECONDS - started)) s"
        ;;
    stop) ridi_wine_stop ;;
    *) echo "usage: $0 start|stop PREFIX" >&2; exit 2 ;;
esac
