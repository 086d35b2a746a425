#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The cross build's CMAKE_CROSSCOMPILING_EMULATOR: wine_run.sh PREFIX PROGRAM.exe ARGS... runs
# the Windows program under Wine in the prefix PREFIX (made if needed), with the program's
# streams, arguments and exit status, and ends it after RIDI_WINE_TIMEOUT seconds (300).
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$1"
shift
ridi_wine_prefix || exit 125
ridi_wine "$@"
