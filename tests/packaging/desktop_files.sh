#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the metainfo pass the freedesktop and AppStream validators, and name the
# application by its id and the release by the project version.
source "$(dirname "$0")/lib.sh" "$1"

# Hints too: one says, for example, that the menu cannot place the entry. All but one: the
# registry relates HamRadio to Audio and Network, and RI-DI is neither; menus place it by Utility.
report=$(desktop-file-validate "$desktop_file" 2>&1) || fail "desktop-file-validate $desktop_file"
check_equal "what desktop-file-validate says beyond HamRadio's related categories" "" \
    "$(grep -v 'value item "HamRadio" in key "Categories" .* can be extended with another' \
        <<<"$report")"
check_equal "Categories of the desktop entry" "Categories=Utility;Calculator;HamRadio;" \
    "$(grep '^Categories=' "$desktop_file")"
# Pedantic notes too, all but the one on the capitals of the reverse-DNS id.
report=$(appstreamcli validate --pedantic --no-net "$metainfo_file" 2>&1) ||
    fail "appstreamcli validate $metainfo_file: $report"
check_equal "what appstreamcli validate --pedantic says beyond the id's capitals" "" \
    "$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ' cid-contains-uppercase-letter ')"
# With the window installed, the whole tree: metainfo, desktop entry and icon together.
if [ -e "$stage/usr/bin/ridi" ]; then
    appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli validate-tree $stage"
fi

check_equal "Icon of the desktop entry" "Icon=$app_id" "$(grep '^Icon=' "$desktop_file")"
check_equal "Exec of the desktop entry" "Exec=ridi" "$(grep '^Exec=' "$desktop_file")"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo_file" ||
    fail "the metainfo launches $app_id.desktop"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo_file" ||
    fail "the metainfo names the licence GPL-3.0-or-later"
grep -q "<developer_name>RI-DI developers</developer_name>" "$metainfo_file" ||
    fail "the metainfo names the developers"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo_file" ||
    fail "the metainfo names release $version with its date"
finish
