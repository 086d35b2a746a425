#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: its name, version and dependencies, exactly the expected files owned by
# root, and the binaries run from the unpacked files.
source "$(dirname "$0")/lib.sh" "$1"

deb=$(deb_path)
if [ ! -f "$deb" ]; then
    fail "no package $deb"
    finish
fi
check_equal "Package" ridi "$(dpkg-deb -f "$deb" Package)"
check_equal "Version" "$version" "$(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for package in "${expected_depends[@]}"; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

owners=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" { print $6 }')
check_equal "files not owned by root" "" "$owners"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
check_tree "$unpacked"
check_ridi_calc "$unpacked/usr/bin"
check_window_links "$unpacked/usr/bin"
finish
