# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the package tests: reads the expectations CMake wrote and counts failures.
# Sourced with the path of packaging_test.env as $1.
set -u
# shellcheck source=/dev/null
source "$1"
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"

# The files under a folder, one relative path a line, sorted.
files_under() {
    (cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
}

# Checks the regular files under `root` against the expected list: nothing missing, nothing
# more, binaries executable, everything else not, and every icon PNG of its folder's size.
check_tree() { # root
    local root=$1 path size mode
    check_equal "files in $root" "$(printf '%s\n' "${expected_files[@]}" | LC_ALL=C sort)" \
        "$(files_under "$root")"
    for path in "${expected_files[@]}"; do
        [ -f "$root/$path" ] || continue
        mode=$(stat -c %a "$root/$path")
        case $path in
        */bin/*) check_equal "mode of $path" 755 "$mode" ;;
        *) check_equal "mode of $path" 644 "$mode" ;;
        esac
        if [[ $path =~ /([0-9]+)x([0-9]+)/apps/[^/]+\.png$ ]]; then
            size=$(pngtopam "$root/$path" | pamfile | grep -o '[0-9]* by [0-9]*')
            check_equal "size of $path" "${BASH_REMATCH[1]} by ${BASH_REMATCH[2]}" "$size"
        fi
    done
}

# Runs ridi-calc from `bindir` as a user would and checks what it prints.
check_ridi_calc() { # bindir
    local tool=$1/ridi-calc
    check_equal "$tool --version" "ridi-calc $version" "$("$tool" --version 2>&1)"
    check_equal "$tool 435.850 1 RG-58" \
        $'RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114' \
        "$("$tool" 435.850 1 RG-58 2>&1)"
}

# Every library of the window is found, when the window is there.
check_window_links() { # bindir
    [ -e "$1/ridi" ] || return 0
    local missing
    missing=$(ldd "$1/ridi" | grep 'not found')
    check_equal "libraries of $1/ridi that are not found" "" "$missing"
}

