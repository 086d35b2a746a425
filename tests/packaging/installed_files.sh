#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The install tree: exactly the expected files, with the right modes and icon sizes, and the
# binaries run from it.
source "$(dirname "$0")/lib.sh" "$1"

check_tree "$stage"
check_ridi_calc "$stage/usr/bin"
check_window_links "$stage/usr/bin"
finish
