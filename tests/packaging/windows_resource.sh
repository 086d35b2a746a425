#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows resources of the window compile with MinGW's windres, and hold the version record
# and an icon of the two drawings, 16 and 32 pixels.
source "$(dirname "$0")/lib.sh" "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windres=x86_64-w64-mingw32-windres
# A cross compiler would preprocess the script; without one the host's preprocessor does.
preprocessor=()
command -v x86_64-w64-mingw32-gcc >/dev/null || preprocessor=(--preprocessor=cpp)

"$windres" "${preprocessor[@]}" -i "$rc_file" -O coff -o "$work/ridi.o" ||
    fail "$windres could not compile $rc_file"
"$windres" "${preprocessor[@]}" -i "$rc_file" -O res -o "$work/ridi.res" &&
    "$windres" -i "$work/ridi.res" -O rc -o "$work/ridi.rc" ||
    fail "$windres could not read back $rc_file"

numbers=${version//./, }
record=$(sed -n '/VERSIONINFO/,$p' "$work/ridi.rc" 2>/dev/null)
for line in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" "FILETYPE 0x1" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
    "VALUE \"ProductName\", \"RI-DI\"" "VALUE \"OriginalFilename\", \"ridi.exe\""; do
    grep -qF -- "$line" <<<"$record" || fail "the version record lacks: $line"
done
grep -q '"IDI_ICON1" 14 /\* RT_GROUP_ICON \*/' "$work/ridi.rc" || fail "no icon IDI_ICON1"

# The icon holds the two drawings, pixel for pixel, smallest first.
for index in 0 1; do
    size=$((16 << index))
    sed 's/static const char\*/static char*/' "$icon_drawings/ridi-$size.xpm" | xpmtoppm \
        >"$work/drawing.ppm"
    winicontopam -image="$index" "$ico_file" 2>/dev/null | pamchannel -tupletype=RGB 0 1 2 2>/dev/null |
        pamtopnm >"$work/icon.ppm"
    cmp -s "$work/drawing.ppm" "$work/icon.ppm" || fail "image $index of the icon is not ridi-$size.xpm"
done
check_equal "images in the icon" 2 "$(winicontopam -allimages "$ico_file" 2>/dev/null | pamfile -allimages | grep -c 'Image')"
finish
