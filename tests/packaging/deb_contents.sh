#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: its name, version and dependencies; exactly the expected files (those the
# install rules put in, Debian's copyright file and changelog, and the lintian overrides of
# debian/ridi.lintian-overrides), owned by root; the binaries run from the unpacked files,
# hardened; the desktop entry and metainfo as shipped.
# Arguments: packaging_test.env (of a build configured as the package's), the .deb.
source "$(dirname "$0")/lib.sh" "$1"
deb=$2
if [ ! -f "$deb" ]; then
    fail "no package $deb"
    finish
fi
check_equal "Package" ridi "$(dpkg-deb -f "$deb" Package)"
check_equal "upstream version" "$version" "$(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')"
depends=$(dpkg-deb -f "$deb" Depends)
for package in "${expected_depends[@]}"; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

owners=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" { print $6 }')
check_equal "files not owned by root" "" "$owners"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unpacked=$work/root
dpkg-deb -x "$deb" "$unpacked"
expected_files+=(usr/share/doc/ridi/copyright usr/share/doc/ridi/changelog.Debian.gz
    usr/share/lintian/overrides/ridi)
check_tree "$unpacked"
check_ridi_calc "$unpacked/usr/bin"
check_window_links "$unpacked/usr/bin"
bash "$(dirname "$0")/../hardening/check_hardening.sh" "$unpacked/usr/bin/"* ||
    fail "the programs lack hardening (above): do dpkg-buildflags' flags reach every link?"

# The desktop entry and metainfo checks, on the files the package ships.
{
    cat "$1"
    printf "stage='%s'\n" "$unpacked"
    printf "desktop_file='%s'\n" "$unpacked/usr/share/applications/$app_id.desktop"
    printf "metainfo_file='%s'\n" "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
} >"$work/deb.env"
bash "$(dirname "$0")/desktop_files.sh" "$work/deb.env" || fail "the package's desktop files (above)"
finish
